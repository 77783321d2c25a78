// The four packages of the show. Each function draws every entry its package
// must hold; placements follow the scene (layout notes in each source).
#pragma once

#include <string>

#include "artwork_package.h"
#include "artwork_style.h"

#include "flame_ring.h"
#include "heart_surface.h"

// The shapes of "serdce" (its size and height in the scene) and of "nn".
HeartSurfaceShape showHeartShape();
FlameRingShape showEmblemShape();
// "fon", "serdce", "serdechko", "nn".
ArtworkPackage makeMainPackage(const Typeface& type, const std::string& imageDump);
// "ciferblat", "sec", "min", "chas", "podlozka", "podlozka_am", "0".."9",
// "dot", "am", "pm".
ArtworkPackage makeClockPackage(const Typeface& type, const std::string& imageDump);
// "fon", "fon_rus", "day", "day_rus", "m1".."m12", "null", "1".."31", "sel".
ArtworkPackage makeCalendarPackage(const Typeface& type, const std::string& imageDump);
// "fps", "0".."9".
ArtworkPackage makeUtilsPackage(const Typeface& type, const std::string& imageDump);
