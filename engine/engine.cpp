// The engine's commands and its start and end.
#include "engine/engine.h"
#include "collection/group_store.h"
#include "collection/list_boxes.h"
#include "collection/runtime_rand.h"
#include "engine/countdown.h"
#include "settings/clock.h"
#include "settings/settings_codes.h"

namespace mov {

void Engine::Reset() {
    BOOL saver = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &saver, 0);
    st_.screenSaverEnabled = saver ? 1 : 0;
    st_.rememberedMode = s_.Change;
    if (st_.timerId) KillTimer(lists_, st_.timerId);
    st_.timerId = 1;
    st_.reload = ReloadValue(s_.Interval);
    st_.countdown = -1;
}

void Engine::Start(bool groupsLoaded) {
    st_.timerPeriod = groupsLoaded ? 1000 : 10000;
    TheRand().Seed(static_cast<uint32_t>(TheClock().Seconds()));
    st_.delayedStart = 0;
    st_.timerId = SetTimer(lists_, 1, st_.timerPeriod, nullptr);
    st_.forced = 0;
}

void Engine::Shutdown() {
    if (st_.timerId) KillTimer(lists_, st_.timerId);
    st_.timerId = 0;
}

void Engine::SetRunModes(RunModes (*rule)(RunModes)) {
    const RunModes m = rule({s_.Change, st_.rememberedMode});
    s_.Change = m.change;
    st_.rememberedMode = m.remembered;
    events_.RunStateChanged(IsRunning(m.change));
}

void Engine::TogglePaper() {
    fw::BusyPeriod busy;
    if (s_.PaperRemoved == 1) {
        Run();
        if (st_.rememberedMode != kChangeNo) Go();
    } else {
        writer_.RemoveWallpaper();
        Stop();
    }
}

void Engine::DeleteGroup(int index) {
    if (index < 0 || index >= groups_.size()) return;
    fw::BusyPeriod busy;
    groups_.Remove(index);
    // With the last group gone nothing would be written at close and the group would come
    // back at the next start: the stored list is dropped now.
    if (groups_.empty()) ForgetStoredGroups();
    const GroupPositions pos = PositionsAfterDelete(index, {pos_.DirPos, pos_.BmpPos});
    pos_.DirPos = pos.dirPos;
    pos_.BmpPos = pos.bmpPos;
    LbSelect(lists_, IDC_GROUP_LIST, pos.dirPos);
    LbClear(lists_, IDC_FILE_LIST);
    scan_.Scan(false);
    WaitForScan();
    Run();
}

void Engine::ShowSelectedGroup() {
    fw::BusyPeriod busy;
    scan_.Scan(false);  // takes the selected group as the current one
    WaitForScan();
    pos_.BmpPos = 0;
    Run();
}

void Engine::ShowFile(int index) {
    fw::BusyPeriod busy;
    pos_.BmpPos = index;
    Run();
    st_.countdown = st_.reload;
    ArmTimer(10000);
    events_.CountingDown(st_.countdown);
}

void Engine::Hold() { KillTimer(lists_, st_.timerId); }

void Engine::Resume() { SetTimer(lists_, st_.timerId, st_.timerPeriod, nullptr); }

void Engine::Reload(int interval) {
    st_.reload = ReloadValue(interval);
    if (st_.countdown > st_.reload) st_.countdown = st_.reload;
}

void Engine::RescanAndShow() {
    fw::BusyPeriod busy;
    scan_.Scan(1);
    WaitForScan();
    Run();
}

}  // namespace mov
