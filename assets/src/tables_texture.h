// Building blocks of the table backgrounds: a seeded integer hash and random
// generator, gradient noise and its fractal sums, float layers with brush
// strokes splatted into them, and the last step from layers to pixels.
//
// Everything is plain integer and float arithmetic (no library random
// distributions, no sin or exp in the pixel loops), so the same source always
// draws the same bytes.
#pragma once

#include <QImage>

#include <cstdint>
#include <functional>
#include <vector>

namespace tavolora::art::texture {

// splitmix64: small, fast and the same everywhere.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    float unit() { return float(next() >> 40) * (1.0f / 16777216.0f); }
    float range(float low, float high) { return low + (high - low) * unit(); }
    // Uniform in [0, n).
    int below(int n) { return int((next() >> 33) % std::uint64_t(n)); }

private:
    std::uint64_t state_;
};

// A well mixed 32-bit hash of a lattice point.
inline std::uint32_t hash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = std::uint32_t(x) * 0x8da6b343u ^ std::uint32_t(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

// Uniform in [-1, 1): white noise, one value per pixel.
inline float signedHash(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return float(hash(x, y, seed) >> 8) * (2.0f / 16777216.0f) - 1.0f;
}

// Runs body(i) for every i in [0, count), spread over the machine's cores.
// Each call must write only data of its own, so the result does not depend on
// how many cores there are or on the order the calls run in.
void parallelFor(int count, const std::function<void(int)>& body);

// Runs body(y) for every row of a picture `height` rows high, in parallel.
void forEachRow(int height, const std::function<void(int)>& body);

inline float clamp01(float v) {
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}
inline float mix(float a, float b, float t) {
    return a + (b - a) * t;
}
inline float smoothstep(float edge0, float edge1, float v) {
    const float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

// Gradient noise on the unit lattice, roughly in [-1, 1], never repeating.
float gradientNoise(float x, float y, std::uint32_t seed);

// Fractal sum of `octaves` gradient noises, each twice as fine and `gain` times
// as strong as the last, turned against each other so that no lattice
// direction shows. Normalised to roughly [-1, 1].
float fbm(float x, float y, int octaves, std::uint32_t seed, float gain = 0.5f);

// A float picture the size of the table.
class Layer {
public:
    Layer(int width, int height)
        : width_(width), height_(height), values_(std::size_t(width) * height, 0.0f) {}
    int width() const { return width_; }
    int height() const { return height_; }
    float* row(int y) { return values_.data() + std::size_t(y) * width_; }
    const float* row(int y) const { return values_.data() + std::size_t(y) * width_; }
    float at(int x, int y) const { return values_[std::size_t(y) * width_ + x]; }

    // Adds `amount` at a point between pixels, shared out bilinearly, so that
    // strokes built from such points are antialiased.
    void splat(float x, float y, float amount) {
        const int ix = int(x + 1024.0f) - 1024;  // floor, for anything a little off the picture
        const int iy = int(y + 1024.0f) - 1024;
        const float tx = x - float(ix);
        const float ty = y - float(iy);
        if (ix >= 0 && iy >= 0 && ix + 1 < width_ && iy + 1 < height_) {
            float* p = values_.data() + std::size_t(iy) * width_ + ix;
            p[0] += amount * (1.0f - tx) * (1.0f - ty);
            p[1] += amount * tx * (1.0f - ty);
            p[width_] += amount * (1.0f - tx) * ty;
            p[width_ + 1] += amount * tx * ty;
            return;
        }
        add(ix, iy, amount * (1.0f - tx) * (1.0f - ty));
        add(ix + 1, iy, amount * tx * (1.0f - ty));
        add(ix, iy + 1, amount * (1.0f - tx) * ty);
        add(ix + 1, iy + 1, amount * tx * ty);
    }

    // Adds a straight stroke about a pixel wide from (x0, y0) to (x1, y1),
    // fading in and out at its ends.
    void stroke(float x0, float y0, float x1, float y1, float amount);

    // Scales every value so that the layer's mean absolute value is `target`
    // (after taking the mean away); strokes piled up by chance stay in range.
    void normalise(float target);

private:
    void add(int x, int y, float v) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) values_[std::size_t(y) * width_ + x] += v;
    }

    int width_;
    int height_;
    std::vector<float> values_;
};

// A smooth field evaluated only every `stepX` pixels across and `stepY` down,
// and filled in bilinearly: for broad noise this looks the same as evaluating
// every pixel, at a fraction of the cost.
template <typename Field>
Layer coarseLayer(int width, int height, int stepX, int stepY, Field field) {
    const int gw = width / stepX + 2;
    const int gh = height / stepY + 2;
    std::vector<float> grid(std::size_t(gw) * gh);
    forEachRow(gh, [&](int gy) {
        for (int gx = 0; gx < gw; ++gx)
            grid[std::size_t(gy) * gw + gx] = field(float(gx * stepX), float(gy * stepY));
    });
    Layer layer(width, height);
    const float invX = 1.0f / float(stepX);
    const float invY = 1.0f / float(stepY);
    forEachRow(height, [&](int y) {
        const int gy = y / stepY;
        const float ty = float(y - gy * stepY) * invY;
        const float* top = grid.data() + std::size_t(gy) * gw;
        const float* bottom = top + gw;
        float* out = layer.row(y);
        for (int x = 0; x < width; ++x) {
            const int gx = x / stepX;
            const float tx = float(x - gx * stepX) * invX;
            const float a = mix(top[gx], top[gx + 1], tx);
            const float b = mix(bottom[gx], bottom[gx + 1], tx);
            out[x] = mix(a, b, ty);
        }
    });
    return layer;
}

// Darkening towards the edges and corners: 1 in the middle, 1 - `strength`
// in the corners, with a broad flat centre.
float vignette(float x, float y, int width, int height, float strength);

// An sRGB colour as floats in [0, 255].
struct Rgb {
    float r, g, b;
};

inline Rgb mix(const Rgb& a, const Rgb& b, float t) {
    return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)};
}
inline Rgb scaled(const Rgb& c, float k) {
    return {c.r * k, c.g * k, c.b * k};
}

// Rounds to 8 bits with a little triangular dither from the hash, so that slow
// gradients show no bands.
inline QRgb toPixel(const Rgb& c, int x, int y) {
    const float d = (signedHash(x, y, 0x5eedu) + signedHash(x, y, 0xd17eu)) * 0.5f;
    auto channel = [d](float v) {
        const float q = v + d + 0.5f;
        return q <= 0.0f ? 0 : (q >= 255.0f ? 255 : int(q));
    };
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

}  // namespace tavolora::art::texture
