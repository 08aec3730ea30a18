#pragma once

#include <array>

#include "core/GameError.h"

// Fixed arrays with the bounds of the data model (lo..hi inclusive). Reading or writing outside
// them raises a GameError instead of touching memory that is not there.
template <typename T, int Lo, int Hi>
class Array1 {
    static_assert(Hi >= Lo);

  public:
    static constexpr int lo = Lo;
    static constexpr int hi = Hi;
    static constexpr int size = Hi - Lo + 1;

    T& operator[](long long i) { return cells_[offset(i)]; }
    const T& operator[](long long i) const { return cells_[offset(i)]; }
    static bool inRange(long long i) { return i >= Lo && i <= Hi; }
    void fill(const T& v) { cells_.fill(v); }
    auto begin() { return cells_.begin(); }
    auto end() { return cells_.end(); }
    auto begin() const { return cells_.begin(); }
    auto end() const { return cells_.end(); }
    bool operator==(const Array1&) const = default;

  private:
    static std::size_t offset(long long i) {
        if (i < Lo || i > Hi) throwIndexError(i, Lo, Hi);
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, size> cells_{};
};

// Two-dimensional fixed array indexed (i, j), both ranges inclusive.
template <typename T, int Lo1, int Hi1, int Lo2, int Hi2>
class Array2 {
  public:
    static constexpr int lo1 = Lo1, hi1 = Hi1, lo2 = Lo2, hi2 = Hi2;

    T& operator()(long long i, long long j) { return cells_[offset(i, j)]; }
    const T& operator()(long long i, long long j) const { return cells_[offset(i, j)]; }
    static bool inRange(long long i, long long j) {
        return i >= Lo1 && i <= Hi1 && j >= Lo2 && j <= Hi2;
    }
    void fill(const T& v) { cells_.fill(v); }
    bool operator==(const Array2&) const = default;

  private:
    static constexpr int rows = Hi2 - Lo2 + 1;
    static std::size_t offset(long long i, long long j) {
        if (i < Lo1 || i > Hi1) throwIndexError(i, Lo1, Hi1);
        if (j < Lo2 || j > Hi2) throwIndexError(j, Lo2, Hi2);
        return static_cast<std::size_t>((i - Lo1) * rows + (j - Lo2));
    }
    std::array<T, static_cast<std::size_t>((Hi1 - Lo1 + 1) * (Hi2 - Lo2 + 1))> cells_{};
};

// Three-dimensional fixed array indexed (i, j, k).
template <typename T, int Lo1, int Hi1, int Lo2, int Hi2, int Lo3, int Hi3>
class Array3 {
  public:
    T& operator()(long long i, long long j, long long k) { return cells_[offset(i, j, k)]; }
    const T& operator()(long long i, long long j, long long k) const {
        return cells_[offset(i, j, k)];
    }
    void fill(const T& v) { cells_.fill(v); }

  private:
    static constexpr int n2 = Hi2 - Lo2 + 1;
    static constexpr int n3 = Hi3 - Lo3 + 1;
    static std::size_t offset(long long i, long long j, long long k) {
        if (i < Lo1 || i > Hi1) throwIndexError(i, Lo1, Hi1);
        if (j < Lo2 || j > Hi2) throwIndexError(j, Lo2, Hi2);
        if (k < Lo3 || k > Hi3) throwIndexError(k, Lo3, Hi3);
        return static_cast<std::size_t>(((i - Lo1) * n2 + (j - Lo2)) * n3 + (k - Lo3));
    }
    std::array<T, static_cast<std::size_t>((Hi1 - Lo1 + 1) * n2 * n3)> cells_{};
};
