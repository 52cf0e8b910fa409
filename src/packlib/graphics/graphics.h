// The drawing objects: pen, brush, the picture family, cursors and the canvas. Frames use a
// brush and a cursor, the image control a picture.
#pragma once

#include "packlib/graphics/canvas.h"
#include "packlib/graphics/cursor.h"
#include "packlib/graphics/font.h"
#include "packlib/graphics/pen_brush.h"
#include "packlib/graphics/picture.h"
