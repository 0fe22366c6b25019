// The application object: builds the single document, frame and view.
#pragma once
#include <memory>
#include "framework/app.h"

class CMovani32App : public fw::CWinApp {
public:
    bool InitInstance() override;
    int ExitInstance(int code) override;

private:
    std::unique_ptr<fw::CSingleDocTemplate> template_;
};
