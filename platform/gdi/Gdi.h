#pragma once

// Everything the raster layer offers.
#include "platform/gdi/DrawState.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/objects/Bitmap.h"
#include "platform/gdi/objects/Brush.h"
#include "platform/gdi/objects/Color.h"
#include "platform/gdi/objects/DeviceContext.h"
#include "platform/gdi/objects/Font.h"
#include "platform/gdi/objects/Icon.h"
#include "platform/gdi/objects/Pen.h"
#include "platform/gdi/objects/Picture.h"
#include "platform/gdi/objects/QtConversion.h"
#include "platform/gdi/objects/Rect.h"
#include "platform/gdi/objects/Region.h"
#include "platform/gdi/objects/SystemColors.h"
#include "platform/gdi/raster/Blit.h"
