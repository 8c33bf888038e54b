#pragma once
// The largest picture side the viewer accepts from a file or stream. A header that claims more is
// refused before anything is allocated: a few bytes must not be able to ask for gigabytes.
inline constexpr int kMaxPictureSide = 32768;
