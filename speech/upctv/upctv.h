#pragma once

// The Catalan and Spanish text-to-speech engine library, libupctv.so.
// Plain C exports, looked up by name at run time. No call ever shows a window
// or ends the process; a missing sound device or missing voice data makes the
// engine silent, never fatal.

#ifdef __cplusplus
extern "C" {
#endif

#if defined(UPCTV_BUILD)
#define UPCTV_EXPORT __attribute__((visibility("default")))
#else
#define UPCTV_EXPORT
#endif

// A line of text naming the engine and its version (no window is shown).
UPCTV_EXPORT const char *upcTVAbout(void);
// Starts saying a zero-terminated text in the Windows Western code page and
// returns at once. A text being said is dropped first.
UPCTV_EXPORT void upcTVRead(const char *text);
// Says the content of a text file in the same code page. Returns 0 when the
// file could not be read.
UPCTV_EXPORT int upcTVReadFile(const char *path);
// Silences speech at once.
UPCTV_EXPORT void upcTVStop(void);
UPCTV_EXPORT void upcTVPause(void);
UPCTV_EXPORT void upcTVResume(void);
// 99 ('c') Catalan, 101 ('e') Spanish; other codes are ignored.
UPCTV_EXPORT void upcTVSetLanguage(int language);
// Speaking rate in percent of the normal rate (100).
UPCTV_EXPORT void upcTVSetSpeed(int speed);
// 0, 1 or 2. Catalan: 0 and 1 male, 2 female. Spanish: 0 and 2 female, 1 male.
UPCTV_EXPORT void upcTVSetSpeaker(int speaker);
// Non-zero from upcTVRead until the text has been said or stopped.
UPCTV_EXPORT int upcTVStatus(int which);

// For tests only: sound samples produced by the last upcTVRead so far, and
// their rate per second (0 before the first): 16000 from Festival's Ona,
// 22050 from espeak-ng.
UPCTV_EXPORT long upcTVSamplesProduced(void);
UPCTV_EXPORT int upcTVSampleRate(void);

#ifdef __cplusplus
}
#endif
