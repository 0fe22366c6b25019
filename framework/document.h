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
    // The session ends: what closing would write is written now, and nothing is freed, since
    // code under way may still use it. The close that follows writes it no more.
    virtual void OnEndSession() {}
    // The open and save steps of the file commands. The document has no file form of its
    // own: opening runs the new-document step, saving writes an empty file.
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);

    // The file the document was last opened from or saved to ("" for none).
    const std::string& GetPathName() const { return path_; }
    void SetPathName(const std::string& path) { path_ = path; }
    // The file dialogs' filter: its name ("WallPaper List(*.lst)") and extension (".lst").
    void SetFileType(const std::string& name, const std::string& ext) {
        typeName_ = name;
        typeExt_ = ext;
    }
    const std::string& GetFileTypeName() const { return typeName_; }
    const std::string& GetFileTypeExt() const { return typeExt_; }

    const std::string& GetTitle() const { return title_; }
    // Sets the title and recomposes the frame's caption ("title - app title").
    void SetTitle(const std::string& title);

    void AttachFrame(CFrameWnd* frame) { frame_ = frame; }
    CFrameWnd* GetFrame() const { return frame_; }

private:
    std::string title_;
    std::string path_;
    std::string typeName_, typeExt_;
    CFrameWnd* frame_ = nullptr;
};

}  // namespace fw
