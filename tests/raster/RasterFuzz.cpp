// Drives the drawing primitives and the effects with whatever the bytes say: shapes
// and their combinations must keep the region invariants, copies and effects must
// stay inside their bitmaps (the sanitizers watch), on any sizes and coordinates.
#include "raster/FastPaths.h"
#include "raster/Region.h"
#include "raster/StretchCopy.h"
#include "transitions/EffectCatalogue.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool More() const { return pos_ < size_; }
    uint8_t U8() { return pos_ < size_ ? data_[pos_++] : 0; }
    int16_t I16() { return int16_t(U8() | (U8() << 8)); }
    int32_t I32() { return int32_t(uint32_t(U8()) | uint32_t(U8()) << 8 | uint32_t(U8()) << 16 | uint32_t(U8()) << 24); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

vm::Region Shape(Bytes& in)
{
    switch (in.U8() % 3) {
    case 0:
        return vm::Region::FromRect({in.I16(), in.I16(), in.I16(), in.I16()});
    case 1:
        return vm::Region::FromRoundRect({in.I16() / 64, in.I16() / 64, in.I16() / 64, in.I16() / 64}, in.I16(), in.I16());
    default: {
        std::vector<vm::Point> points(in.U8() % 12);
        for (vm::Point& p : points)
            p = {in.I16(), in.I16() / 64};
        return vm::Region::FromPolygon(points);
    }
    }
}

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Bytes in(data, size);
    vm::Region region;
    vm::Bitmap a(in.U8() % 40, in.U8() % 40, 1), b(in.U8() % 40, in.U8() % 40, 2);
    for (int op = 0; op < 16 && in.More(); ++op) {
        switch (in.U8() % 9) {
        case 0: region = Union(region, Shape(in)); break;
        case 1: region = Intersect(region, Shape(in)); break;
        case 2: region = Xor(region, Shape(in)); break;
        case 3: region = Subtract(region, Shape(in)); break;
        case 4:
            vm::StretchBlt(a, in.I32(), in.I32(), in.I32(), in.I32(), in.U8() % 2 ? a : b, in.I32(), in.I32(), in.I32(),
                           in.I32());
            break;
        case 5: vm::DrawThroughRegion(a, b, region); break;
        case 7: { // a union of rectangles, cut to a clip: swept and plain agree
            std::vector<vm::Rect> rects(in.U8() % 24);
            for (vm::Rect& r : rects)
                r = {in.I16() / 16, in.I16() / 16, in.I16() / 16, in.I16() / 16};
            const vm::Rect clip{in.I16() / 16, in.I16() / 16, in.I16() / 16, in.I16() / 16};
            const vm::Region swept = vm::Region::UnionOf(rects, clip);
            vm::SetFastPathsEnabled(false);
            const vm::Region plain = vm::Region::UnionOf(rects, clip);
            vm::SetFastPathsEnabled(true);
            Check(swept.self_check() && swept == plain);
            region = Union(region, swept);
            break;
        }
        case 8: { // copies of the region over a small grid: stamped and plain agree
            const int columns = in.U8() % 6, dx = in.I16() % 40, rows = in.U8() % 6, dy = in.I16() % 40;
            const vm::Rect clip{in.I16() / 16, in.I16() / 16, in.I16() / 16, in.I16() / 16};
            const vm::Region small = Intersect(region, vm::Region::FromRect({-300, -300, 300, 300}));
            const vm::Region stamped = vm::Region::UnionOfTranslates(small, columns, dx, rows, dy, clip);
            vm::SetFastPathsEnabled(false);
            const vm::Region plain = vm::Region::UnionOfTranslates(small, columns, dx, rows, dy, clip);
            vm::SetFastPathsEnabled(true);
            Check(stamped.self_check() && stamped == plain);
            region = stamped;
            break;
        }
        default: {
            const int style = 1 + in.U8() % 150;
            vm::Bitmap display(b.Width(), b.Height());
            vm::Rect r = b.Bounds();
            vm::Effects()[size_t(style - 1)].Proc(display, b, r, uint16_t(1 + in.U8() % 100), uint8_t(1 + in.U8() % 99));
        }
        }
        Check(region.self_check());
        Check(Xor(region, region).IsEmpty());
        const vm::Rect bounds = region.Bounds();
        Check(region.IsEmpty() || (region.Contains(bounds.Left, bounds.Top) || region.Area() > 0));
    }
    return 0;
}
