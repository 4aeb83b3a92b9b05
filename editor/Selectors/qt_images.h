#pragma once
// Pictures of our bitmap types as Qt images, for the dialogs that show them.
#include <QImage>

#include "platform/core/bitmap.h"
#include "platform/draw/gdi_bitmap.h"

QImage ToQImage(const platform::Bitmap& bitmap);
QImage ToQImage(const platform::GdiBitmap& bitmap);
