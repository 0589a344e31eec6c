#pragma once
// Where the generator writes: the skin folder, the kit's icons and the frames that
// scripts/make-skin assembles into loading.gif and icon.ico.

#include <QImage>
#include <QString>

namespace skin {

struct Output {
    QString skinDir;     // resources/skin
    QString iconDir;     // resources/kiticons
    QString framesDir;   // a scratch folder for the animation and icon frames
    QString modelName;   // the sample model's picture folder name

    // Writes a PNG under skinDir (relative path may hold folders); false on failure.
    bool skin(const QImage &image, const QString &relativePath) const;
    bool icon(const QImage &image, const QString &name) const;
    bool frame(const QImage &image, const QString &name) const;
};

void drawWindow(const Output &out);    // background, logo, application icon frames
void drawControls(const Output &out);  // window, tab, profile and menu buttons, marks, battery
void drawDialogs(const Output &out);   // dialog backgrounds, pictures, check boxes, kit icons
void drawMacro(const Output &out);     // macro editor buttons, step icons, command tree rows
void drawMouse(const Output &out);     // the sample model's front, hover and side pictures
void drawSpinner(const Output &out);   // the busy dialog's animation frames

}  // namespace skin
