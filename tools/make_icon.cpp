// Draws the program's icon and writes it as a Windows .ico file: one 80 x 80 image in 24-bit colour.
// The picture: a water drop above a buried shelter vault holding a water tank, on a blue tile.
// Usage: make_icon OUTPUT.ico
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSize = 80;
constexpr int kSamples = 4;  // per axis, for smooth edges

struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

bool insideRoundedSquare(double x, double y, double margin, double radius) {
    const double lo = margin + radius, hi = kSize - margin - radius;
    const double cx = std::clamp(x, lo, hi), cy = std::clamp(y, lo, hi);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius && x >= margin &&
           x <= kSize - margin && y >= margin && y <= kSize - margin;
}

// A drop: a circle below, a point above, joined by tangents.
bool insideDrop(double x, double y, double cx, double cy, double r, double tipY) {
    if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) return true;
    if (y < tipY || y > cy) return false;
    const double h = cy - tipY;
    const double halfWidth = r * (y - tipY) / h * std::sqrt(1.0 - (r / h) * (r / h)) * 1.08;
    return std::abs(x - cx) <= halfWidth;
}

Colour shade(double x, double y) {
    const Colour tile = mix({24, 92, 160}, {10, 46, 96}, y / kSize);
    const Colour earth{92, 70, 48};
    const Colour concrete{188, 192, 196};
    const Colour concreteDark{120, 126, 132};
    const Colour water{40, 150, 230};
    const Colour waterDeep{20, 100, 190};
    const Colour white{250, 252, 255};

    if (!insideRoundedSquare(x, y, 1.0, 12.0)) return {-1, -1, -1};

    Colour c = tile;
    // Ground with the buried vault.
    if (y >= 52.0) c = mix(earth, {60, 44, 30}, (y - 52.0) / 28.0);
    const double vx = 40.0, vy = 74.0;  // centre of the vault's arch
    const double d = std::hypot(x - vx, y - vy);
    if (y <= 74.0 && d <= 30.0) c = d >= 25.0 ? concrete : concreteDark;
    if (y > 74.0 && y <= 77.0 && std::abs(x - vx) <= 30.0) c = concrete;
    // Water in the tank inside the vault, with a wave on top.
    const double waveTop = 62.0 + 1.6 * std::sin((x - 12.0) / 3.2);
    if (y <= 74.0 && d < 25.0 && y >= waveTop) c = mix(water, waterDeep, (y - 62.0) / 12.0);
    // The drop above, with its highlight.
    if (insideDrop(x, y, 40.0, 33.0, 13.0, 5.0)) {
        c = mix(water, waterDeep, std::clamp((y - 12.0) / 34.0, 0.0, 1.0));
        if (std::hypot(x - 34.5, y - 30.0) <= 3.6) c = white;
    }
    return c;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
        return 2;
    }
    std::array<std::array<Colour, kSize>, kSize> pixels{};
    std::array<std::array<double, kSize>, kSize> coverage{};
    for (int py = 0; py < kSize; ++py) {
        for (int px = 0; px < kSize; ++px) {
            Colour sum{0, 0, 0};
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Colour c = shade(px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples);
                    if (c.r < 0) continue;
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                    ++hits;
                }
            }
            coverage[py][px] = static_cast<double>(hits) / (kSamples * kSamples);
            // Edge pixels blend towards the dialog face colour the icon usually stands on.
            const Colour face{212, 208, 200};
            pixels[py][px] = hits ? mix(face, {sum.r / hits, sum.g / hits, sum.b / hits},
                                        coverage[py][px])
                                  : face;
        }
    }

    constexpr int kRowBytes = kSize * 3;                   // 240, already a multiple of 4
    constexpr int kMaskRowBytes = ((kSize + 31) / 32) * 4;  // 12
    constexpr int kImageBytes = 40 + kRowBytes * kSize + kMaskRowBytes * kSize;
    std::vector<std::uint8_t> out;
    auto put16 = [&](unsigned v) {
        out.push_back(v & 0xFF);
        out.push_back((v >> 8) & 0xFF);
    };
    auto put32 = [&](unsigned v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    // ICONDIR and its one entry.
    put16(0), put16(1), put16(1);
    out.push_back(kSize), out.push_back(kSize), out.push_back(0), out.push_back(0);
    put16(1), put16(24), put32(kImageBytes), put32(6 + 16);
    // BITMAPINFOHEADER: the height counts the colour image and the mask.
    put32(40), put32(kSize), put32(kSize * 2), put16(1), put16(24), put32(0),
        put32(kRowBytes * kSize + kMaskRowBytes * kSize), put32(0), put32(0), put32(0), put32(0);
    for (int py = kSize - 1; py >= 0; --py) {
        for (int px = 0; px < kSize; ++px) {
            const Colour c = pixels[py][px];
            out.push_back(static_cast<std::uint8_t>(std::lround(c.b)));
            out.push_back(static_cast<std::uint8_t>(std::lround(c.g)));
            out.push_back(static_cast<std::uint8_t>(std::lround(c.r)));
        }
    }
    // AND mask: transparent outside the rounded tile.
    for (int py = kSize - 1; py >= 0; --py) {
        std::array<std::uint8_t, kMaskRowBytes> row{};
        for (int px = 0; px < kSize; ++px) {
            if (coverage[py][px] < 0.5) row[px / 8] |= 0x80 >> (px % 8);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(out.data(), 1, out.size(), file) != out.size() || std::fclose(file) != 0) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
