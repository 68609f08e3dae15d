#pragma once

// The framed text box behind axis titles and labels.
//
// INTERIM: the chart's framed shapes (TTeeCustomShape, TTeeShape) are being built at the same
// time. Until they are in, the axis uses this small stand-in with the members it needs
// (visibility, font, transparency, the box drawing); TAxisShape and TAxisFormatShape then
// become aliases of those classes and this stand-in goes away. The stand-in draws no box.

#include <memory>

#include "chart/core/TeeFont.h"
#include "platform/Persistent.h"
#include "platform/TeeFiler.h"
#include "platform/Types.h"

class TAxisShapeInterim : public TPersistent, public TTeeStoredObject
{
public:
    explicit TAxisShapeInterim(TNotifyEvent changed = {})
        : FChanged(changed), FFont(std::make_unique<TTeeFont>(changed))
    {
    }

    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { SetProp(FVisible, value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { SetProp(FTransparent, value); }
    TTeeFont* Font() const { return FFont.get(); }
    void SetFont(TTeeFont* value) { FFont->Assign(value); }

    virtual void DrawRectRotated(const TRect&, int32_t, int32_t) {}

    void Assign(TPersistent* source) override
    {
        if (auto* s = dynamic_cast<TAxisShapeInterim*>(source)) {
            FFont->Assign(s->FFont.get());
            FTransparent = s->FTransparent;
            FVisible = s->FVisible;
            return;
        }
        TPersistent::Assign(source);
    }
    void DefineProperties(TTeeFiler& filer) override
    {
        filer.DefineObject(QStringLiteral("Font"), [this](TTeeFiler& f) { FFont->DefineProperties(f); });
        filer.DefineProperty(
            QStringLiteral("Transparent"), [this](const QString& v) { FTransparent = TeeTextBool(v); },
            [this] { return TeeBoolText(FTransparent); }, FTransparent != FDefaultTransparent);
        filer.DefineProperty(
            QStringLiteral("Visible"), [this](const QString& v) { FVisible = TeeTextBool(v); },
            [this] { return TeeBoolText(FVisible); }, !FVisible);
    }
    // Transparent is stored against this (true for label boxes).
    void SetDefaultTransparent(bool value)
    {
        FDefaultTransparent = value;
        FTransparent = value;
    }

protected:
    void PropertyChanged() override
    {
        if (FChanged)
            FChanged(this);
    }

private:
    TNotifyEvent FChanged;
    std::unique_ptr<TTeeFont> FFont;
    bool FVisible = true;
    bool FTransparent = false;
    bool FDefaultTransparent = false;
};

using TAxisShape = TAxisShapeInterim;
using TAxisFormatShape = TAxisShapeInterim;
