// The busy handshake with a real outside program started by WinExec; waits are counted.
#include <gtest/gtest.h>
#include <windows.h>
#include "framework/reg_key.h"
#include "settings/busy_flag.h"
#include "settings/busy_handshake.h"
#include "test_support.h"

namespace {

using testsupport::ClockScope;
using testsupport::CountingClock;

TEST(BusyHandshake, WaitsUntilTheProgramClearsTheFlagOrTheTimeRunsOut) {
    struct {
        const char* program;
        unsigned realMs;  // what each counted sleep may really take, less once the flag clears
        bool cleared;
        int minPolls, maxPolls;
    } table[] = {
        {"busyhelper.exe clear 200", 1000, true, 1, 59},  // ends the wait early
        {"busyhelper.exe keep", 2, false, 60, 60},      // one second plus the whole time-out
    };
    for (const auto& row : table) {
        CountingClock clock(row.realMs, mov::BusyFlagCleared);
        ClockScope scope(clock);
        mov::HandshakeResult r = mov::RunOutsideProgram(row.program, 60);
        EXPECT_GT(r.execResult, 31u) << row.program;
        EXPECT_EQ(r.cleared, row.cleared) << row.program;
        EXPECT_GE(r.polls, row.minPolls) << row.program;
        EXPECT_LE(r.polls, row.maxPolls) << row.program;
        // The first second, then one after each busy poll: at most 1 + 60 seconds.
        EXPECT_EQ(clock.sleeps, r.cleared ? r.polls : r.polls + 1) << row.program;
        EXPECT_EQ(clock.sleptMs, 1000u * clock.sleeps) << row.program;
        EXPECT_EQ(mov::BusyFlagCleared(), row.cleared) << row.program;
    }
}

TEST(BusyHandshake, FlagLeftBusyByACrashDoesNotBlockTheNextCall) {
    mov::SetBusyFlag(1);
    CountingClock clock(4000, mov::BusyFlagCleared);
    ClockScope scope(clock);
    mov::HandshakeResult r = mov::RunOutsideProgram("busyhelper.exe clear 0", 5);
    EXPECT_TRUE(r.cleared);
    EXPECT_LE(clock.sleeps, 5);
}

TEST(BusyHandshake, ProgramThatCannotStartIsNotWaitedFor) {
    CountingClock clock(0);
    ClockScope scope(clock);
    mov::HandshakeResult r = mov::RunOutsideProgram("no-such-program-here.exe \"a\" \"b\"", 60);
    EXPECT_LE(r.execResult, 31u);
    EXPECT_EQ(r.polls, 0);
    EXPECT_EQ(clock.sleeps, 0);
}

TEST(BusyHandshake, UnreadableFlagCountsAsBusy) {
    {
        fw::RegKey k;
        ASSERT_EQ(k.Create(HKEY_CURRENT_USER, mov::kGroupKey), ERROR_SUCCESS);
        k.SetString(mov::kBusyValue, "0");
    }
    EXPECT_FALSE(mov::BusyFlagCleared());
    mov::SetBusyFlag(0);
    EXPECT_TRUE(mov::BusyFlagCleared());
}

}  // namespace
