// The busy handshake with a real outside program started by WinExec; waits are counted.
#include <gtest/gtest.h>
#include <windows.h>
#include "settings/busy_handshake.h"
#include "settings/registry_paths.h"
#include "test_support.h"

namespace {

using testsupport::ClockScope;
using testsupport::CountingClock;

TEST(BusyHandshake, ProgramThatClearsTheFlagEndsTheWaitEarly) {
    CountingClock clock(1000, mov::BusyFlagCleared);
    ClockScope scope(clock);
    mov::HandshakeResult r = mov::RunOutsideProgram("busyhelper.exe clear 200", 60);
    EXPECT_GT(r.execResult, 31u);
    EXPECT_TRUE(r.cleared);
    EXPECT_GE(r.polls, 1);
    EXPECT_LT(r.polls, 60);
    EXPECT_EQ(clock.sleeps, r.polls);  // the first second, then one after each busy poll
    EXPECT_TRUE(mov::BusyFlagCleared());
}

TEST(BusyHandshake, ProgramThatNeverClearsCostsOnePlusTimeOutSeconds) {
    CountingClock clock(2);
    ClockScope scope(clock);
    mov::HandshakeResult r = mov::RunOutsideProgram("busyhelper.exe keep", 60);
    EXPECT_GT(r.execResult, 31u);
    EXPECT_FALSE(r.cleared);
    EXPECT_EQ(r.polls, 60);
    EXPECT_EQ(clock.sleeps, 61);
    EXPECT_EQ(clock.sleptMs, 61000u);
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
    HKEY k;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, mov::kGroupKey, 0, KEY_ALL_ACCESS, &k), ERROR_SUCCESS);
    RegSetValueExA(k, mov::kBusyValue, 0, REG_SZ, reinterpret_cast<const BYTE*>("0"), 2);
    RegCloseKey(k);
    EXPECT_FALSE(mov::BusyFlagCleared());
    mov::SetBusyFlag(0);
    EXPECT_TRUE(mov::BusyFlagCleared());
}

}  // namespace
