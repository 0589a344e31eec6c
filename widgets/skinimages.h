#pragma once
// Skin images, decoded once per run. While the window is being built they are decoded ahead of
// use on worker threads: decoding them one by one was most of the start-up's work.

#include <QPixmap>
#include <QString>

// Starts decoding every PNG of the folder on worker threads; SkinPixmap takes them from there.
// Call on the GUI thread, once the folder is known.
void PreloadSkinImages(const QString &folder);

// What QPixmap(path, nullptr, flags) gives, decoded once per run and file version (GUI thread
// only); the null pixmap where no file is (QPixmap would try the name with image suffixes added).
QPixmap SkinPixmap(const QString &path, Qt::ImageConversionFlags flags = Qt::AutoColor);

// source stretched to size; a missing image stays missing (scaling it would only print Qt's
// warning, and that at every restyle).
QPixmap StretchedSkinPixmap(const QPixmap &source, const QSize &size);
