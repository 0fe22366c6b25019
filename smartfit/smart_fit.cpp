// The two smart fits from file to file. The source is read whole before the output is
// opened, so the output may be the source itself. Output rows are streamed to the file:
// the only large buffer is the source picture.
#include "smartfit/smart_fit.h"

#include "image/bmp.h"
#include "image/resize.h"
#include "smartfit/geometry.h"

namespace mov::smartfit {

FitResult RunFit(const char* srcPath, const char* dstPath, int screenW, int screenH, int outBits) {
    Bitmap src;
    if (ReadBmpFile(srcPath, &src) != BmpStatus::Ok) return FitResult::Unreadable;
    FitPlan plan;
    if (!PlanFit(screenW, screenH, src.width(), src.height(), &plan)) return FitResult::NoShape;
    BmpWriter out;
    if (out.Open(dstPath, plan.width, plan.height, outBits) != BmpStatus::Ok) return FitResult::WriteFailed;
    const bool ok = ResizeStreamed(src, plan.width, plan.height, [&out](int y, const std::uint8_t* row) {
        return out.WriteRow(y, row) == BmpStatus::Ok;
    });
    // An unfinished writer removes its file when it goes.
    if (!ok || out.Close() != BmpStatus::Ok) return FitResult::WriteFailed;
    return FitResult::Written;
}

FitResult RunExtend(const char* srcPath, const char* dstPath, int screenW, int screenH, int position,
                    Bgr background) {
    Bitmap src;
    if (ReadBmpFile(srcPath, &src) != BmpStatus::Ok) return FitResult::Unreadable;
    ExtendPlan plan;
    if (!PlanExtend(screenW, screenH, src.width(), src.height(), position, &plan)) return FitResult::NoShape;
    // The canvas is made one row at a time: background, then every copy clipped to it.
    Bitmap line;
    if (!line.Allocate(plan.width, 1)) return FitResult::WriteFailed;
    BmpWriter out;
    if (out.Open(dstPath, plan.width, plan.height, 24) != BmpStatus::Ok) return FitResult::WriteFailed;
    for (int y = plan.height - 1; y >= 0; --y) {
        FillRect(line, 0, 0, plan.width, 1, background);
        for (int x : plan.xs) DrawAt(line, src, x, plan.y - y);
        if (out.WriteRow(y, line.row(0)) != BmpStatus::Ok) return FitResult::WriteFailed;
    }
    return out.Close() == BmpStatus::Ok ? FitResult::Written : FitResult::WriteFailed;
}

}  // namespace mov::smartfit
