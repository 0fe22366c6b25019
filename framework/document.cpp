// Document title handling.
#include "framework/document.h"
#include "framework/frame.h"

namespace fw {

void CDocument::SetTitle(const std::string& title) {
    title_ = title;
    if (frame_) frame_->UpdateFrameTitle();
}

}  // namespace fw
