#pragma once

#include <QPushButton>
#include <functional>

#include "platform/Colors.h"

class TPersistent;
class TCanvas3D;

// Access to one colour property of an object, standing in for its run-time type information.
struct TTeeColorProperty {
    QString Name;
    std::function<TColor()> Get;
    std::function<void(TColor)> Set;
    bool IsEmpty() const { return Name.isEmpty() || !Get; }
};

// A push button of the chart editors that edits a property of an object and draws a symbol
// of it over its face.
class TTeeButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TTeeButton(QWidget* parent = nullptr);

    // The object the button edits (not owned) and its property; an empty property is none.
    void LinkProperty(TPersistent* instance, const TTeeColorProperty& info);
    TPersistent* Instance() const { return FInstance; }
    const TTeeColorProperty& Info() const { return FInfo; }

protected:
    // Draws the property's symbol on the face, through a canvas made for this paint.
    virtual void DrawSymbol(TCanvas3D* canvas) = 0;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

    TPersistent* FInstance = nullptr;
    TTeeColorProperty FInfo;
};
