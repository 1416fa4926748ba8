#pragma once
// The drawing code has plain versions and faster ones that must draw the same pixels
// (rectangle unions by sweep, grids stamped row by row, the vector fade, the tiled
// rotation). Tests switch the fast ones off to draw every frame both ways and compare.
// Any thread may read the switch; only tests set it, between frames.
namespace vm {

bool FastPathsEnabled();
void SetFastPathsEnabled(bool on);

// Switches fast paths to a value for its lifetime (tests).
class FastPathsScope {
public:
    explicit FastPathsScope(bool on) : before_(FastPathsEnabled()) { SetFastPathsEnabled(on); }
    ~FastPathsScope() { SetFastPathsEnabled(before_); }
    FastPathsScope(const FastPathsScope&) = delete;
    FastPathsScope& operator=(const FastPathsScope&) = delete;

private:
    bool before_;
};

} // namespace vm
