// Document title handling.
#include "framework/document.h"
#include <windows.h>
#include "framework/frame.h"
#include "framework/handle.h"

namespace fw {

void CDocument::SetTitle(const std::string& title) {
    title_ = title;
    if (frame_) frame_->UpdateFrameTitle();
}

bool CDocument::OnOpenDocument(const std::string& path) {
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    return OnNewDocument();
}

bool CDocument::OnSaveDocument(const std::string& path) {
    Handle f(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(f);
}

}  // namespace fw
