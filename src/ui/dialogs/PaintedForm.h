#pragma once
// A small window that paints its labels itself and has one flat button, SpeedButton1: Quick
// Help and About. Created hidden once at start-up and shown modally on demand; outside its
// modal show a close request only hides it, so that it lives as long as the program.

#include <windows.h>

#include <initializer_list>

#include "ui/window/Form.h"
#include "ui/window/PaintedLabel.h"

class TPaintedForm : public TForm {
public:
    HWND SpeedButton1 = nullptr;  // the flat button
    virtual void SpeedButton1Click() = 0;

protected:
    // Creates the window hidden from style, with SpeedButton1 and its caption at x, y
    // (client coordinates), width x height, all designed.
    void CreatePaintedForm(const FormStyle& style, const char* caption, int x, int y, int width,
                           int height);
    // Paints the labels, in their order, onto the button face, at the window's DPI.
    virtual void Paint(HDC dc) const = 0;
    // Lays a window of class Static over a label, or over the copies of a shadowed one,
    // carrying its text, so that screen readers find the text. The window shows exactly what
    // the form paints beneath it, so every pixel stays as the form paints it.
    HWND AddLabelWindow(std::initializer_list<const PaintedLabel*> copies);

    LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void FormShow() override { FShowing = true; }
    void FormHide() override { FShowing = false; }

private:
    void PaintLabelWindow(const DRAWITEMSTRUCT& item) const;

    bool FShowing = false;  // shown modally right now
};
