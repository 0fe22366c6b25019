// Group list operations: every insert and delete is done on the array and the list box.
#include "collection/group_list.h"
#include "collection/list_boxes.h"

namespace mov {

void GroupList::Append(const std::string& path, bool archive) {
    entries_.push_back(std::make_unique<CDirObj>(path, archive));
    if (parent_) LbAdd(parent_, IDC_GROUP_LIST, path);
}

void GroupList::Remove(int index) {
    if (index < 0 || index >= size()) return;
    entries_.erase(entries_.begin() + index);
    if (parent_) LbDelete(parent_, IDC_GROUP_LIST, index);
}

}  // namespace mov
