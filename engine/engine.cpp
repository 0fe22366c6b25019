// The engine's commands and its start and end.
#include "engine/engine.h"
#include "collection/group_store.h"
#include "collection/list_boxes.h"
#include "collection/runtime_rand.h"
#include "engine/countdown.h"
#include "engine/user_moves.h"
#include "settings/clock.h"
#include "settings/settings_codes.h"

namespace mov {

Engine::Engine(SettingsRecord& settings, GroupList& groups, Positions& positions, FolderScan& scan,
               EngineEvents& events, HWND lists)
    : s_(settings),
      events_(events),
      lists_(lists),
      writer_(settings, fit_, &events),
      cycle_(EngineParts{settings, groups, positions, scan, writer_, fit_, st_, events, lists}),
      timer_(cycle_) {}

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

void Engine::SetRunModes(int change, int remembered) {
    s_.Change = change;
    st_.rememberedMode = remembered;
    events_.RunStateChanged(IsRunning(change));
}

void Engine::Stop() {
    const RunModes m = mov::Stop({s_.Change, st_.rememberedMode});
    SetRunModes(m.change, m.remembered);
}

void Engine::Go() {
    const RunModes m = mov::Go({s_.Change, st_.rememberedMode});
    SetRunModes(m.change, m.remembered);
}

void Engine::StopGo() {
    const RunModes m = mov::StopGo({s_.Change, st_.rememberedMode});
    SetRunModes(m.change, m.remembered);
}

void Engine::TogglePaper() {
    if (s_.PaperRemoved == 1) {
        cycle_.Run();
        if (st_.rememberedMode != kChangeNo) Go();
    } else {
        writer_.RemoveWallpaper();
        Stop();
    }
}

void Engine::DeleteGroup(int index) {
    const EngineParts& p = cycle_.parts();
    if (index < 0 || index >= p.groups.size()) return;
    p.groups.Remove(index);
    // With the last group gone nothing would be written at close and the group would come
    // back at the next start: the stored list is dropped now.
    if (p.groups.empty()) ForgetStoredGroups();
    const GroupPositions pos = PositionsAfterDelete(index, {p.positions.DirPos, p.positions.BmpPos});
    p.positions.DirPos = pos.dirPos;
    p.positions.BmpPos = pos.bmpPos;
    LbSelect(lists_, IDC_GROUP_LIST, pos.dirPos);
    LbClear(lists_, IDC_FILE_LIST);
    p.scan.Scan(false);
    cycle_.WaitForScan();
    cycle_.Run();
}

void Engine::ShowSelectedGroup() {
    cycle_.parts().scan.Scan(false);  // takes the selected group as the current one
    cycle_.WaitForScan();
    cycle_.parts().positions.BmpPos = 0;
    cycle_.Run();
}

void Engine::ShowFile(int index) {
    cycle_.parts().positions.BmpPos = index;
    cycle_.Run();
    st_.countdown = st_.reload;
    cycle_.ArmTimer(10000);
    events_.CountingDown(st_.countdown);
}

void Engine::Hold() { KillTimer(lists_, st_.timerId); }

void Engine::Resume() { SetTimer(lists_, st_.timerId, st_.timerPeriod, nullptr); }

void Engine::Reload(int interval) {
    st_.reload = ReloadValue(interval);
    if (st_.countdown > st_.reload) st_.countdown = st_.reload;
}

void Engine::RescanAndShow() {
    cycle_.parts().scan.Scan(1);
    cycle_.WaitForScan();
    cycle_.Run();
}

}  // namespace mov
