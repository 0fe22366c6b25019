// Document base: holds the title shown in the frame's caption and the new/close steps.
#pragma once
#include <string>

namespace fw {

class CFrameWnd;

class CDocument {
public:
    virtual ~CDocument() = default;

    // The new-document step; false abandons the opening.
    virtual bool OnNewDocument() { return true; }
    // Closing work of the document, run once before the windows go.
    virtual void OnCloseDocument() {}

    const std::string& GetTitle() const { return title_; }
    // Sets the title and recomposes the frame's caption ("title - app title").
    void SetTitle(const std::string& title);

    void AttachFrame(CFrameWnd* frame) { frame_ = frame; }
    CFrameWnd* GetFrame() const { return frame_; }

private:
    std::string title_;
    CFrameWnd* frame_ = nullptr;
};

}  // namespace fw
