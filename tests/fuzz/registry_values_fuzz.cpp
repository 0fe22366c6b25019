// Fuzz target: values of any type, length and bytes for every stored setting and for the
// Group key, through the rules the program loads them by, and the loaded numbers on into
// the countdown, the placement decision and the selection rules.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "collection/group_values.h"
#include "engine/countdown.h"
#include "engine/placement.h"
#include "engine/selection_rules.h"
#include "framework/reg_value.h"
#include "settings/settings_fields.h"
#include "settings/settings_load.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

fw::RegValue AnyValue(FuzzedDataProvider& in) {
    static const uint32_t kTypes[] = {fw::kValueNone, fw::kValueText, 2 /* REG_EXPAND_SZ */, fw::kValueBinary,
                                      fw::kValueDword, 5 /* big-endian */, 7 /* REG_MULTI_SZ */, 11 /* QWORD */};
    fw::RegValue v;
    v.type = in.ConsumeBool() ? in.PickValueInArray(kTypes) : in.ConsumeIntegral<uint32_t>();
    v.bytes = in.ConsumeRandomLengthString(600);
    return v;
}

bool IsProgramNumber(const fw::RegValue& v) {
    return v.bytes.size() == 4 && (v.type == 0 || v.type == 3 || v.type == 4);
}

int32_t LittleEnd(const std::string& b) {
    uint32_t n = 0;
    for (int i = 3; i >= 0; --i) n = n << 8 | static_cast<unsigned char>(b[i]);
    return static_cast<int32_t>(n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    mov::SettingsRecord s;
    s.JpegAvailable = in.ConsumeIntegralInRange(0, 1);
    s.IeVersion = in.ConsumeIntegralInRange(0, 4);
    s.IntegratedBrowser = in.ConsumeIntegral<int>();
    const mov::SettingsRecord defaults;

    for (const mov::StoredSetting& f : mov::kStoredSettings) {
        const bool present = in.ConsumeBool();
        const fw::RegValue v = AnyValue(in);
        const int code = mov::LoadedSetting(f, present ? &v : nullptr, s);
        Check(code == mov::LoadedSetting(f, present ? &v : nullptr, s));
        if (f.word) {
            Check(code >= 0 && code < f.word->count);
            const char* forced = f.forcedWord ? f.forcedWord(s) : nullptr;
            if (forced) Check(code == mov::CodeOfWord(*f.word, forced));
            // What a save writes loads back as the same choice.
            fw::RegValue saved{fw::kValueText, std::string(mov::WordOfCode(*f.word, code)) + '\0'};
            if (!forced) Check(mov::LoadedSetting(f, &saved, s) == code);
        } else {
            Check(code == (present && IsProgramNumber(v) ? LittleEnd(v.bytes) : defaults.*f.field));
        }
        s.*f.field = code;
    }

    // The Group key: its numbers, its value names and its paths.
    int32_t pos[4] = {0, 0, 0, 0};  // Count, DirPos, BmpPos, RandSeed
    for (int32_t& p : pos) {
        const fw::RegValue v = AnyValue(in);
        const bool ok = fw::NumberOfValue(v, p);
        Check(ok == IsProgramNumber(v) && (!ok || p == LittleEnd(v.bytes)));
    }
    const std::string name = in.ConsumeRandomLengthString(16);
    int32_t index = -1;
    if (mov::GroupIndexOfName(name, pos[0], index))
        Check(index >= 0 && index <= pos[0] && mov::GroupValueName(index) == name);
    const fw::RegValue pathValue = AnyValue(in);
    std::string path = "kept";
    const bool fits = fw::TextOfValue(pathValue, 255, path);
    Check(fits == (pathValue.bytes.size() <= 255));
    Check(fits ? path.size() <= 255 && path.find('\0') == std::string::npos : path == "kept");

    // Where the loaded numbers go next.
    const int reload = mov::ReloadValue(s.Interval);
    Check(s.Interval < 0 || reload >= 9);
    mov::PictureSize picture;
    picture.known = in.ConsumeBool();
    picture.width = in.ConsumeIntegral<int32_t>();
    picture.height = in.ConsumeIntegral<int32_t>();
    mov::RatioOf(picture);
    mov::DecidePlacement(s, picture, in.ConsumeBool(), in.ConsumeIntegral<int32_t>(), in.ConsumeBool());
    mov::SelectionInput sel;
    sel.change = s.Change;
    sel.delayedAction = s.DelayedAction;
    sel.dirPos = pos[1];
    sel.bmpPos = pos[2];
    sel.groups = in.ConsumeIntegralInRange<int32_t>(0, 1000);
    sel.files = in.ConsumeIntegralInRange<int32_t>(0, 100000);
    const mov::SelectionPlan plan = mov::PlanSelection(sel, in.ConsumeIntegralInRange(0, 32767));
    Check(!plan.random || (plan.dirPos >= 0 && plan.dirPos < sel.groups) || sel.groups == 0);
    mov::PlanPrevious(sel.groups, in.ConsumeIntegralInRange(-1, 100000), in.ConsumeIntegralInRange(-1, 1000), pos[1],
                      pos[2]);
    return 0;
}
