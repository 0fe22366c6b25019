// Unpacks one member with the same core UnLha32.dll uses, for the unpacking benchmark.
// Usage: lha_unpack_tool ARCHIVE FOLDER MEMBER
#include <cstdio>
#include "components/lha/lha_ops.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    lha::Options opt;
    opt.separator = '/';
    lha::Status st = lha::UnpackMember(argv[1], argv[2], argv[3], opt);
    if (st != lha::Status::kOk) std::fprintf(stderr, "%s\n", lha::StatusText(st));
    return st == lha::Status::kOk ? 0 : 1;
}
