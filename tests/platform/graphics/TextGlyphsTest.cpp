// Text drawn by the device context keeps the glyphs of texts it drew before; every text must
// still come out exactly as the painter draws it, the first time and every time after.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/graphics/DeviceContext.h"

TEST(TextGlyphs, KeptGlyphsGiveThePixelsOfTheText)
{
    const QStringList texts = {"1",         "1,234",  "-2,147,483,648", "W",         "0.0833333333333333",
                               "スランプグラフ", "3連チェリー", "Play数",   "BIG!  REG", "ＭＳ Ｐ明朝 Ag jy"};
    struct Face {
        const char* family;
        int pixels;
        bool bold;
        bool underline;
    };
    const Face faces[] = {{"IPAPGothic", 11, false, false}, {"IPAPMincho", 13, true, false},
                          {"DejaVu Sans", 9, false, false}, {"IPAPGothic", 16, false, true}};
    for (const Face& face : faces) {
        QFont font(QString::fromLatin1(face.family));
        font.setPixelSize(face.pixels);
        font.setBold(face.bold);
        font.setUnderline(face.underline);
        const QFontMetrics metrics(font);
        for (int escapement : {0, 900}) {
            QImage drawn(420, 160, QImage::Format_RGB32), expected(420, 160, QImage::Format_RGB32);
            drawn.fill(Qt::white);
            expected.fill(Qt::white);
            TDeviceContext dc;
            ASSERT_TRUE(dc.Begin(&drawn));
            dc.SelectFont(font, escapement);
            dc.SetTextColor(0x800000);
            dc.SetBkMode(1);
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            painter.setFont(font);
            painter.setPen(QColor(0, 0, 0x80));
            // Each text twice over itself (the second from the kept glyphs), at two places.
            int x = 3, y = 2;
            for (const QString& text : texts) {
                for (int k = 0; k < 2; ++k) {
                    dc.TextOut(x, y, text);
                    painter.save();
                    painter.translate(x, y);
                    painter.rotate(-escapement / 10.0);
                    painter.drawText(QPointF(0, metrics.ascent()), text);
                    painter.restore();
                }
                x = (x + 37) % 300;
                y = (y + 15) % 140;
            }
            painter.end();
            dc.End();
            SCOPED_TRACE(std::string(face.family) + " " + std::to_string(face.pixels) + " turned " +
                         std::to_string(escapement));
            EXPECT_TRUE(drawn == expected);
        }
    }
}
