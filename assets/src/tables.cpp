// The table backgrounds, drawn from noise: two felts, a slate and a walnut top.
//
// Each is built from float layers (broad mottling, a finer texture, single
// pixels of grain) summed into one shade per pixel, which picks a colour
// between a dark and a light end of the material's palette; a gentle darkening
// towards the edges keeps the eye on the middle of the table. Nothing repeats:
// every layer comes from a hash of the absolute pixel position.
#include "tables.h"

#include "tables_texture.h"

#include <algorithm>
#include <cmath>

namespace tavolora::art {

namespace {

using texture::Layer;
using texture::Rgb;
using texture::Rng;

constexpr int W = kTableWidth;
constexpr int H = kTableHeight;

// --- Felt -------------------------------------------------------------------

struct FeltStyle {
    std::uint32_t seed;
    Rgb dark;           // the shade at the low end, a little cooler
    Rgb light;          // the shade at the high end, a little warmer
    float napX, napY;   // the direction the fibres lean to (unit vector)
    float napStrength;  // 0: fibres in every direction; larger: mostly along the nap
    float fibreLength;  // mean fibre length in pixels
    float fibres;       // how much the fibres show
    float cloud;        // the felt's matted unevenness, a hand's width across
    float mottle;       // broad light and shade over the table
    float edge;         // darkening in the corners
};

// A random direction, leaning towards the nap.
void fibreDirection(Rng& rng, const FeltStyle& style, float* dx, float* dy) {
    float x, y, r2;
    do {
        x = rng.range(-1.0f, 1.0f);
        y = rng.range(-1.0f, 1.0f);
        r2 = x * x + y * y;
    } while (r2 > 1.0f || r2 < 0.01f);
    const float inv = 1.0f / std::sqrt(r2);
    x = x * inv + style.napX * style.napStrength;
    y = y * inv + style.napY * style.napStrength;
    const float len = std::sqrt(x * x + y * y);
    if (len < 1e-4f) {
        *dx = style.napX;
        *dy = style.napY;
        return;
    }
    *dx = x / len;
    *dy = y / len;
}

QImage felt(const FeltStyle& style) {
    // Fibres: short antialiased strokes, some lighter and some darker than the
    // cloth, about four over every pixel. They are laid band by band, each band
    // with its own random sequence, which keeps the memory they touch close
    // together and lets the bands be laid in parallel: a fibre reaches at most
    // into the next band, so first all even bands, then all odd ones.
    constexpr int kBand = 32;
    Q_ASSERT(0.8f * style.fibreLength + 2.0f < float(kBand));  // the longest fibre's half, and its splat
    const int bands = (H + kBand - 1) / kBand;
    Layer fibres(W, H);
    auto layBand = [&](int band) {
        Rng rng((std::uint64_t(style.seed) << 20) ^ std::uint64_t(band));
        const float top = band == 0 ? -8.0f : float(band * kBand);
        const float bottom = band == bands - 1 ? float(H) + 8.0f : float((band + 1) * kBand);
        const int count = int(float(W) * (bottom - top) * 4.0f / style.fibreLength);
        for (int i = 0; i < count; ++i) {
            const float cx = rng.range(-8.0f, float(W) + 8.0f);
            const float cy = rng.range(top, bottom);
            float dx, dy;
            fibreDirection(rng, style, &dx, &dy);
            const float half = 0.5f * style.fibreLength * rng.range(0.4f, 1.6f);
            const float amount = rng.range(-1.0f, 1.0f);
            fibres.stroke(cx - dx * half, cy - dy * half, cx + dx * half, cy + dy * half, amount);
        }
    };
    texture::parallelFor((bands + 1) / 2, [&](int i) { layBand(2 * i); });
    texture::parallelFor(bands / 2, [&](int i) { layBand(2 * i + 1); });
    fibres.normalise(1.0f);

    const std::uint32_t seed = style.seed;
    const Layer cloud = texture::coarseLayer(W, H, 3, 3, [seed](float x, float y) {
        return texture::fbm(x / 70.0f, y / 70.0f, 3, seed + 11u, 0.55f);
    });
    const Layer mottle = texture::coarseLayer(W, H, 16, 16, [seed](float x, float y) {
        return texture::fbm(x / 650.0f, y / 650.0f, 3, seed + 23u);
    });

    QImage image(W, H, QImage::Format_RGB32);
    texture::forEachRow(H, [&](int y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float* f = fibres.row(y);
        const float* c = cloud.row(y);
        const float* m = mottle.row(y);
        for (int x = 0; x < W; ++x) {
            const float grain = texture::signedHash(x, y, seed + 5u);
            const float shade =
                0.5f + style.fibres * f[x] + 0.03f * grain + style.cloud * c[x] + style.mottle * m[x];
            const Rgb colour = texture::mix(style.dark, style.light, shade);
            const float v = texture::vignette(float(x), float(y), W, H, style.edge);
            line[x] = texture::toPixel(texture::scaled(colour, v), x, y);
        }
    });
    return image;
}

QImage feltroGreen() {
    FeltStyle style{};
    style.seed = 0x6f3e11u;
    style.dark = {10.0f, 66.0f, 40.0f};
    style.light = {56.0f, 138.0f, 66.0f};
    style.napX = 1.0f;
    style.napY = 0.0f;
    style.napStrength = 0.0f;
    style.fibreLength = 7.0f;
    style.fibres = 0.085f;
    style.cloud = 0.04f;
    style.mottle = 0.06f;
    style.edge = 0.30f;
    return felt(style);
}

QImage bluBaize() {
    FeltStyle style{};
    style.seed = 0x2b1u;
    style.dark = {8.0f, 24.0f, 66.0f};
    style.light = {46.0f, 78.0f, 140.0f};
    // Baize is brushed: its nap runs along the table, a little aslant.
    style.napX = 0.966f;
    style.napY = 0.259f;
    style.napStrength = 0.8f;
    style.fibreLength = 9.0f;
    style.fibres = 0.08f;
    style.cloud = 0.05f;
    style.mottle = 0.06f;
    style.edge = 0.30f;
    return felt(style);
}

// --- Slate ------------------------------------------------------------------

QImage ardesia() {
    constexpr std::uint32_t seed = 0xa4d351u;
    // Broad clouds, warped so they do not look like plain noise.
    const Layer clouds = texture::coarseLayer(W, H, 8, 8, [](float x, float y) {
        const float wx = texture::fbm(x / 900.0f, y / 900.0f, 2, seed + 1u);
        const float wy = texture::fbm(x / 900.0f + 5.2f, y / 900.0f + 1.3f, 2, seed + 2u);
        return texture::fbm(x / 520.0f + 0.8f * wx, y / 520.0f + 0.8f * wy, 4, seed + 3u);
    });
    // The stone's layers: long streaks running slightly aslant, and here and
    // there a thin lighter band along them.
    constexpr float kCos = 0.9781476f;  // 12 degrees
    constexpr float kSin = 0.2079117f;
    const Layer strata = texture::coarseLayer(W, H, 4, 2, [](float x, float y) {
        const float u = kCos * x + kSin * y;
        const float v = -kSin * x + kCos * y;
        const float streaks = texture::fbm(u / 620.0f, v / 30.0f, 4, seed + 4u, 0.6f);
        const float n = texture::fbm(u / 1100.0f, v / 90.0f, 4, seed + 5u, 0.5f);
        const float ridge = texture::clamp01(1.0f - std::fabs(n) * 9.0f);
        const float patches =
            texture::smoothstep(0.05f, 0.45f, texture::fbm(u / 700.0f, v / 300.0f, 2, seed + 6u));
        return streaks + 1.4f * ridge * ridge * patches;
    });

    const Rgb dark{14.0f, 17.0f, 20.0f};
    const Rgb light{88.0f, 95.0f, 102.0f};
    QImage image(W, H, QImage::Format_RGB32);
    texture::forEachRow(H, [&](int y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float* c = clouds.row(y);
        const float* s = strata.row(y);
        for (int x = 0; x < W; ++x) {
            // A fine, granular surface: a little noise a few pixels across and per pixel.
            const float granular = texture::gradientNoise(float(x) / 2.4f, float(y) / 2.4f, seed + 7u);
            const float grain = texture::signedHash(x, y, seed + 8u);
            const float shade = 0.31f + 0.10f * c[x] + 0.05f * s[x] + 0.06f * granular + 0.04f * grain;
            const Rgb colour = texture::mix(dark, light, shade);
            const float v = texture::vignette(float(x), float(y), W, H, 0.30f);
            line[x] = texture::toPixel(texture::scaled(colour, v), x, y);
        }
    });
    return image;
}

// --- Walnut -----------------------------------------------------------------

// One board: a slice through a log whose heart lies near or off the board; the
// slice's depth in the log changes slowly along the board, which bends the
// growth rings into long arches (or, far from the heart, keeps them straight).
struct Board {
    std::uint32_t seed;
    float heart;               // the heart's distance from the board's middle line, in pixels
    float ringWidth;           // pixels between growth rings, on average
    float ringPhase;           // shifts the rings so that the slice's shallowest part is early wood
    float tone;                // the board's own lightness
    float warmth;              // and its own hue: redder (> 0) or greyer (< 0)
    std::vector<float> depth;  // the slice's depth in the log at each x
};

// The slice never comes near the heart itself, which would show as a bull's
// eye: its depth bottoms out smoothly here.
constexpr float kShallowest = 110.0f;

// Growth rings counted from the heart out to radius r; some years grew more
// than others, so the rings' spacing wanders.
float ringsAt(const Board& b, float r) {
    return r / b.ringWidth + 0.45f * texture::gradientNoise(r / 70.0f, 0.5f, b.seed + 2u) + b.ringPhase;
}

Board makeBoard(Rng& rng) {
    Board board{};
    board.seed = std::uint32_t(rng.next());
    const float side = rng.unit() < 0.5f ? -1.0f : 1.0f;
    const bool flatSawn = rng.unit() < 0.55f;
    board.heart = side * (flatSawn ? rng.range(0.0f, 110.0f) : rng.range(350.0f, 700.0f));
    // The depth runs one way along the whole board (a turn would close the
    // rings into an eye), so the arches all point the same way.
    const bool deeperToTheRight = rng.unit() < 0.5f;
    const float slope = (deeperToTheRight ? 1.0f : -1.0f) * rng.range(0.025f, 0.07f);
    const float start = deeperToTheRight ? rng.range(-20.0f, 120.0f) : rng.range(160.0f, 260.0f);
    board.depth.resize(W);
    for (int x = 0; x < W; ++x) {
        const float px = float(x) + 0.5f;
        const float free =
            start + slope * px + 25.0f * texture::fbm(px / 700.0f, 0.5f, 2, board.seed) - kShallowest;
        board.depth[x] = kShallowest + 0.5f * (free + std::sqrt(free * free + 1600.0f));
    }
    board.ringWidth = rng.range(16.0f, 24.0f);
    board.ringPhase = 0.0f;
    const float atShallowest = ringsAt(board, kShallowest);
    board.ringPhase = 0.12f - (atShallowest - std::floor(atShallowest));
    board.tone = rng.range(-0.065f, 0.065f);
    board.warmth = rng.range(-1.0f, 1.0f);
    return board;
}

// How dark the late wood of a board is at pixel column x, y measured from the
// board's middle line; `wobble` bends the rings a little.
float lateWood(const Board& b, int x, float y, float wobble) {
    const float dy = y - b.heart;
    const float depth = b.depth[x];
    const float rings = ringsAt(b, std::sqrt(dy * dy + depth * depth) + wobble);
    const float year = std::floor(rings);
    const float t = rings - year;
    // Light early wood, darkening slowly into the late wood, then a crisp edge;
    // each year's late wood a little darker or paler than the next.
    const float strength = 0.55f + 0.45f * (texture::signedHash(int(year), 7, b.seed) * 0.5f + 0.5f);
    return strength * texture::smoothstep(0.3f, 0.9f, t) * (1.0f - texture::smoothstep(0.92f, 1.0f, t));
}

// The grain that does not follow the rings. It is drawn twice over the whole
// table, and boards that touch take theirs from different drawings, so that no
// streak runs on from one board into the next.
struct Grain {
    Layer surface;  // straight fibres along the boards and broad figure
    Layer wobble;   // how far the rings bend, in pixels
};

Grain drawGrain(std::uint32_t seed) {
    auto surface = [seed](float x, float y) {
        const float streaks = texture::fbm(x / 300.0f, y / 2.5f, 3, seed);
        const float figure = texture::fbm(x / 700.0f, y / 70.0f, 3, seed + 1u);
        return 0.06f * streaks + 0.06f * figure;
    };
    auto wobble = [seed](float x, float y) {
        return 8.0f * texture::fbm(x / 520.0f, y / 130.0f, 2, seed + 2u);
    };
    // Both change slowly along the boards, so every eighth column is enough.
    return Grain{texture::coarseLayer(W, H, 8, 1, surface), texture::coarseLayer(W, H, 8, 4, wobble)};
}

QImage noce() {
    constexpr int kPlanks = 7;
    constexpr float kPlank = float(H) / float(kPlanks);
    constexpr std::uint32_t seed = 0x40ceu;
    Rng rng(seed);

    // Each plank is two boards butted end to end, the joints staggered.
    struct Plank {
        float joint;
        Board left, right;
    };
    std::vector<Plank> planks(kPlanks);
    float lastJoint = -10000.0f;
    for (Plank& plank : planks) {
        do {
            plank.joint = rng.range(260.0f, float(W) - 260.0f);
        } while (std::fabs(plank.joint - lastJoint) < 520.0f);
        lastJoint = plank.joint;
        plank.left = makeBoard(rng);
        plank.right = makeBoard(rng);
    }

    const Grain grains[2] = {drawGrain(seed + 100u), drawGrain(seed + 200u)};
    const Layer sheen = texture::coarseLayer(
        W, H, 16, 16, [](float x, float y) { return texture::fbm(x / 800.0f, y / 800.0f, 3, seed + 9u); });

    const Rgb dark{40.0f, 22.0f, 12.0f};
    const Rgb light{172.0f, 116.0f, 68.0f};
    QImage image(W, H, QImage::Format_RGB32);
    texture::forEachRow(H, [&](int y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float py = float(y) + 0.5f;
        const int index = std::min(kPlanks - 1, int(py / kPlank));
        const Plank& plank = planks[index];
        const float top = float(index) * kPlank;
        const float middle = top + 0.5f * kPlank;
        // Distance to the nearer seam between planks (the table's own edges have none).
        const float above = index == 0 ? 1e6f : py - top;
        const float below = index == kPlanks - 1 ? 1e6f : top + kPlank - py;
        const float edgeDistance = std::min(above, below);
        const float* s = sheen.row(y);
        for (int x = 0; x < W; ++x) {
            const float px = float(x) + 0.5f;
            const bool left = px < plank.joint;
            const Board& board = left ? plank.left : plank.right;
            const Grain& grain = grains[(index + (left ? 0 : 1)) % 2];
            const float ly = py - middle;
            const float late = lateWood(board, x, ly, grain.wobble.at(x, y));
            // Small dark pores, drawn out along the grain.
            const float pore = texture::gradientNoise(px / 7.0f, ly / 1.1f, board.seed + 4u);
            const float pores = texture::smoothstep(0.4f, 0.8f, pore);
            float shade = 0.40f + board.tone - 0.11f * late - 0.08f * pores + grain.surface.at(x, y) +
                          0.04f * s[x] + 0.025f * texture::signedHash(x, y, seed + 3u);
            // The seams: a dark groove a couple of pixels wide, softened at its sides.
            const float d = std::min(edgeDistance, std::fabs(px - plank.joint));
            const float groove = 1.0f - texture::smoothstep(0.4f, 2.2f, d);
            const float bevel =
                texture::smoothstep(1.8f, 3.0f, d) * (1.0f - texture::smoothstep(3.0f, 6.0f, d));
            shade = shade * (1.0f - 0.55f * groove) + 0.02f * bevel;
            Rgb colour = texture::mix(dark, light, shade);
            colour.r *= 1.0f + 0.04f * board.warmth;
            colour.b *= 1.0f - 0.07f * board.warmth;
            const float v = texture::vignette(px, py, W, H, 0.30f);
            line[x] = texture::toPixel(texture::scaled(colour, v), x, y);
        }
    });
    return image;
}

}  // namespace

std::vector<TableDesign> tableDesigns() {
    return {
        {QStringLiteral("Ardesia"), &ardesia},
        {QStringLiteral("Blu"), &bluBaize},
        {QStringLiteral("Feltro"), &feltroGreen},
        {QStringLiteral("Noce"), &noce},
    };
}

}  // namespace tavolora::art
