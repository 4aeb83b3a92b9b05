#pragma once
// The first image of an object kind from a document window's library, as the
// dialogs' previews show it: white where the image is transparent.
#include <QImage>

class TChildView;

// A size x size picture; white alone for a kind without an image (a negative
// kind, one past the table, a library that lacks it, or no window).
QImage KindPreview(TChildView* view, int kind, int size);
