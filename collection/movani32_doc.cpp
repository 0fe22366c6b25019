// Document steps of the program: start-up probe and closing work are added here.
#include "collection/movani32_doc.h"

bool CMovani32Doc::OnNewDocument() { return fw::CDocument::OnNewDocument(); }

void CMovani32Doc::OnCloseDocument() { fw::CDocument::OnCloseDocument(); }
