// The program's document: the settings, the groups and the positions live here.
#pragma once
#include "framework/document.h"

class CMovani32Doc : public fw::CDocument {
public:
    bool OnNewDocument() override;
    void OnCloseDocument() override;
};
