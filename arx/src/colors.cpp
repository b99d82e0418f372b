#include "aced.h"

// The host's indexed colours. 1-9 are the named colours; 10-249 are 24 hues 15 degrees apart, ten
// entries each: even entries the pure hue, odd entries the hue half-mixed with white, both at five
// brightness levels; 250-255 are greys from dark to white.
namespace
{

constexpr Adesk::UInt32 rgb(unsigned r, unsigned g, unsigned b)
{
    return r | (g << 8) | (b << 16);
}

Adesk::UInt32 indexedColour(int index)
{
    static const Adesk::UInt32 named[10] = {
        rgb(0, 0, 0),   rgb(255, 0, 0),   rgb(255, 255, 0),   rgb(0, 255, 0),     rgb(0, 255, 255),
        rgb(0, 0, 255), rgb(255, 0, 255), rgb(255, 255, 255), rgb(128, 128, 128), rgb(192, 192, 192)};
    static const unsigned greys[6] = {51, 80, 105, 130, 190, 255};
    static const unsigned levels[5] = {255, 165, 127, 76, 38};
    static const unsigned rising[4] = {0, 63, 127, 191};
    static const unsigned falling[4] = {255, 191, 127, 63};
    if (index < 0 || index > 255)
        return 0;
    if (index < 10)
        return named[index];
    if (index >= 250)
    {
        unsigned v = greys[index - 250];
        return rgb(v, v, v);
    }
    int hue = (index - 10) / 10, shade = (index - 10) % 10;
    int sector = hue / 4, step = hue % 4;
    unsigned up = rising[step], down = falling[step];
    unsigned c[3];
    switch (sector)
    {
    case 0:
        c[0] = 255;
        c[1] = up;
        c[2] = 0;
        break; // red to orange
    case 1:
        c[0] = down;
        c[1] = 255;
        c[2] = 0;
        break; // yellow to chartreuse
    case 2:
        c[0] = 0;
        c[1] = 255;
        c[2] = up;
        break; // green to spring green
    case 3:
        c[0] = 0;
        c[1] = down;
        c[2] = 255;
        break; // cyan to azure
    case 4:
        c[0] = up;
        c[1] = 0;
        c[2] = 255;
        break; // blue to violet
    default:
        c[0] = 255;
        c[1] = 0;
        c[2] = down;
        break; // magenta to rose
    }
    unsigned level = levels[shade / 2];
    for (unsigned& v : c)
    {
        if (shade % 2)
            v = (v + 255) / 2;
        v = (v * level + 127) / 255;
    }
    return rgb(c[0], c[1], c[2]);
}

} // namespace

Adesk::UInt32 acedGetRGB(int color)
{
    return indexedColour(color);
}
