#include "tables_texture.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

namespace tavolora::art::texture {

namespace {

// Sixteen unit gradients, evenly spaced round the circle.
constexpr float kGradX[16] = {1.0f,        0.9238795f,  0.7071068f, 0.3826834f,  0.0f,        -0.3826834f,
                              -0.7071068f, -0.9238795f, -1.0f,      -0.9238795f, -0.7071068f, -0.3826834f,
                              0.0f,        0.3826834f,  0.7071068f, 0.9238795f};
constexpr float kGradY[16] = {0.0f,       0.3826834f,  0.7071068f,  0.9238795f,  1.0f,        0.9238795f,
                              0.7071068f, 0.3826834f,  0.0f,        -0.3826834f, -0.7071068f, -0.9238795f,
                              -1.0f,      -0.9238795f, -0.7071068f, -0.3826834f};

inline float corner(std::int32_t ix, std::int32_t iy, std::uint32_t seed, float dx, float dy) {
    const std::uint32_t h = hash(ix, iy, seed) >> 28;
    return kGradX[h] * dx + kGradY[h] * dy;
}

// Quintic fade: smooth up to the second derivative, so no creases at the lattice lines.
inline float fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

}  // namespace

void parallelFor(int count, const std::function<void(int)>& body) {
    if (count <= 0) return;
    const int threads = std::clamp(int(std::thread::hardware_concurrency()), 1, std::min(count, 16));
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next++; i < count; i = next++) body(i);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(work);
    work();
    for (std::thread& thread : pool) thread.join();
}

void forEachRow(int height, const std::function<void(int)>& body) {
    constexpr int kRowsPerTask = 16;
    parallelFor((height + kRowsPerTask - 1) / kRowsPerTask, [&](int task) {
        const int end = std::min(height, (task + 1) * kRowsPerTask);
        for (int y = task * kRowsPerTask; y < end; ++y) body(y);
    });
}

float gradientNoise(float x, float y, std::uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const auto ix = std::int32_t(fx);
    const auto iy = std::int32_t(fy);
    const float tx = x - fx;
    const float ty = y - fy;
    const float n00 = corner(ix, iy, seed, tx, ty);
    const float n10 = corner(ix + 1, iy, seed, tx - 1.0f, ty);
    const float n01 = corner(ix, iy + 1, seed, tx, ty - 1.0f);
    const float n11 = corner(ix + 1, iy + 1, seed, tx - 1.0f, ty - 1.0f);
    const float u = fade(tx);
    const float v = fade(ty);
    // Plain 2D gradient noise peaks near +-0.7; stretch it to about +-1.
    return 1.4f * mix(mix(n00, n10, u), mix(n01, n11, u), v);
}

float fbm(float x, float y, int octaves, std::uint32_t seed, float gain) {
    // Each octave is turned by about 37 degrees and shifted against the last.
    constexpr float kCos = 0.7986355f;
    constexpr float kSin = 0.6018150f;
    float sum = 0.0f;
    float amplitude = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * gradientNoise(x, y, seed + std::uint32_t(i) * 0x9e3779b9u);
        total += amplitude;
        const float nx = 2.0f * (kCos * x - kSin * y) + 17.31f;
        const float ny = 2.0f * (kSin * x + kCos * y) - 41.77f;
        x = nx;
        y = ny;
        amplitude *= gain;
    }
    return sum / total;
}

void Layer::stroke(float x0, float y0, float x1, float y1, float amount) {
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float length = std::sqrt(dx * dx + dy * dy);
    const int steps = int(length * 2.0f) + 2;
    const float perStep = amount * length / float(steps);
    for (int i = 0; i <= steps; ++i) {
        const float t = float(i) / float(steps);
        const float s = 2.0f * t - 1.0f;
        splat(x0 + dx * t, y0 + dy * t, perStep * (1.0f - s * s) * 1.5f);
    }
}

void Layer::normalise(float target) {
    double sum = 0.0;
    for (const float v : values_) sum += v;
    const float mean = float(sum / double(values_.size()));
    double spread = 0.0;
    for (float& v : values_) {
        v -= mean;
        spread += std::fabs(v);
    }
    const float current = float(spread / double(values_.size()));
    if (current <= 0.0f) return;
    const float k = target / current;
    for (float& v : values_) v *= k;
}

float vignette(float x, float y, int width, int height, float strength) {
    const float nx = (x - 0.5f * float(width)) / (0.5f * float(width));
    const float ny = (y - 0.5f * float(height)) / (0.5f * float(height));
    const float r2 = nx * nx + ny * ny;  // 2 in the corners
    const float t = smoothstep(0.25f, 2.0f, r2);
    return 1.0f - strength * t;
}

}  // namespace tavolora::art::texture
