// The picture loader's steps (platform/ only): decoding and scaling to a bitmap.
#pragma once
#include <string>

#include "platform/gdi.h"
#include "platform/image_probe.h"

// Decodes a picture already checked by IMGL_Probe / IMGL_CheckWhole; null (and *why) when refused.
TGdiBitmap* IMGL_Decode(const uint8_t* bytes, size_t size, const TImgInfo& info, std::string* why);
// Resamples to w × h: area averaging along an axis that shrinks, bilinear along one that grows.
// False when the memory cannot be had; `bm` is then unchanged.
bool IMGL_Scale(TGdiBitmap* bm, int w, int h);
