#pragma once

#include <QtGlobal>

// Why an operation did not pass, as the catalog's keys (context "TranslateLog"). A reason is one
// of these, then, untranslated, the numbers that go with it (LBAs, counts, codes).
namespace Reason {
inline const char* const NotOffered = QT_TRANSLATE_NOOP("TranslateLog", "The drive does not offer this operation");
inline const char* const StoppedAnswering = QT_TRANSLATE_NOOP("TranslateLog", "The drive stopped answering");
inline const char* const StoppedAnsweringAt = QT_TRANSLATE_NOOP("TranslateLog", "The drive stopped answering at LBA:");
inline const char* const ReadRefusedAt = QT_TRANSLATE_NOOP("TranslateLog", "The drive refused the read at LBA:");
inline const char* const Unreadable = QT_TRANSLATE_NOOP("TranslateLog", "Unreadable sectors:");
inline const char* const UnreadableBlockAt = QT_TRANSLATE_NOOP("TranslateLog", "The drive could not read the sectors from LBA:");
inline const char* const WriteRefusedAt = QT_TRANSLATE_NOOP("TranslateLog", "The drive refused the write at LBA:");
inline const char* const WriteRefused = QT_TRANSLATE_NOOP("TranslateLog", "The drive refused the write");
inline const char* const DriveFailure = QT_TRANSLATE_NOOP("TranslateLog", "The drive reported a failure, library code:");
inline const char* const SmartThreshold = QT_TRANSLATE_NOOP("TranslateLog", "SMART attribute past its threshold:");
inline const char* const SmartStatus = QT_TRANSLATE_NOOP("TranslateLog", "The drive's SMART status predicts a failure");
inline const char* const NvmeWarning = QT_TRANSLATE_NOOP("TranslateLog", "The drive's health log sets a critical warning:");
inline const char* const SelfTestFailed = QT_TRANSLATE_NOOP("TranslateLog", "The self-test failed:");
inline const char* const SelfTestTooLong = QT_TRANSLATE_NOOP("TranslateLog", "The self-test did not end in time");
inline const char* const NotCompleted = QT_TRANSLATE_NOOP("TranslateLog", "The drive did not report the work completed");
inline const char* const NoCapacity = QT_TRANSLATE_NOOP("TranslateLog", "The drive reports no capacity");
inline const char* const EmptyRange = QT_TRANSLATE_NOOP("TranslateLog", "The range holds no sector");
inline const char* const NoProgress = QT_TRANSLATE_NOOP("TranslateLog", "The drive stopped making progress");
inline const char* const NoFailingLba = QT_TRANSLATE_NOOP("TranslateLog", "The self-test log names no failing LBA");
inline const char* const TooManyRepairs = QT_TRANSLATE_NOOP("TranslateLog", "Too many sectors to repair:");
inline const char* const WrongPsid = QT_TRANSLATE_NOOP("TranslateLog", "Wrong PSID");
inline const char* const DiagnosticFailed = QT_TRANSLATE_NOOP("TranslateLog", "The in-drive diagnostic reported a failure:");
} // namespace Reason
