// The registered groups, owned here, mirrored index for index in the group list box.
#pragma once
#include <windows.h>
#include <memory>
#include <string>
#include <vector>
#include "collection/dir_obj.h"

namespace mov {

class GroupList {
public:
    // The window whose child IDC_GROUP_LIST mirrors the list; entries added before stay unlisted.
    void Attach(HWND parent) { parent_ = parent; }
    HWND parent() const { return parent_; }

    // No sorting and no duplicate test: the same path may be registered twice.
    void Append(const std::string& path, bool archive);
    // Destroys the entry and deletes the same index from the list box; a bad index does nothing.
    void Remove(int index);

    int size() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    const CDirObj& at(int index) const { return *entries_[static_cast<size_t>(index)]; }

private:
    std::vector<std::unique_ptr<CDirObj>> entries_;
    HWND parent_ = nullptr;
};

}  // namespace mov
