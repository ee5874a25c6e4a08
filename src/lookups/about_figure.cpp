#include "lookups/about_figure.h"

#include <QString>

namespace tornelis {
namespace {

// The figure: %1, %2 turn the face, %5 places the brows, %6 to %11 the pupils
// and their highlights.
const char *const kFigure = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100" width="100" height="100">
  <defs>
    <radialGradient id="skin" cx="0.45" cy="0.4" r="0.65">
      <stop offset="0" stop-color="#ffe3cc"/><stop offset="1" stop-color="#f2c29f"/>
    </radialGradient>
    <linearGradient id="coat" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#8a74d6"/><stop offset="1" stop-color="#5b47a8"/>
    </linearGradient>
  </defs>
  <path d="M14 100 C 16 78, 30 70, 50 70 C 70 70, 84 78, 86 100 Z" fill="url(#coat)"/>
  <path d="M42 70 L 50 84 L 58 70 Z" fill="#fdfbff"/>
  <path d="M50 84 L 47 92 L 50 100 L 53 92 Z" fill="#3a2f78"/>
  <rect x="45" y="60" width="10" height="12" rx="4" fill="#f2c29f"/>
  <g transform="translate(%1 %2)">
    <ellipse cx="50" cy="42" rx="21" ry="24" fill="url(#skin)"/>
    <path d="M29 40 C 27 20, 40 13, 52 14 C 66 15, 74 24, 71 40 C 67 30, 60 26, 50 27 C 40 27, 33 31, 29 40 Z" fill="#6b4a32"/>
    <path d="M70 24 L 84 8 L 86 10 L 73 27 Z" fill="#fdfbff" stroke="#8f7fd1" stroke-width="0.8"/>
    <path d="M84 8 L 88 4 L 86 10 Z" fill="#3a2f78"/>
    <ellipse cx="29.5" cy="45" rx="3" ry="5" fill="#f2c29f"/>
    <ellipse cx="70.5" cy="45" rx="3" ry="5" fill="#f2c29f"/>
    <path d="M35 %5 q 6 -4 12 0 M53 %5 q 6 -4 12 0" stroke="#5a3d28" stroke-width="2" fill="none" stroke-linecap="round"/>
    <ellipse cx="41" cy="42" rx="5.5" ry="4.5" fill="#ffffff"/>
    <ellipse cx="59" cy="42" rx="5.5" ry="4.5" fill="#ffffff"/>
    <circle cx="%6" cy="%7" r="2.6" fill="#4b3a9e"/>
    <circle cx="%8" cy="%7" r="2.6" fill="#4b3a9e"/>
    <circle cx="%9" cy="%10" r="0.9" fill="#ffffff"/>
    <circle cx="%11" cy="%10" r="0.9" fill="#ffffff"/>
    <path d="M50 45 q -2 6 0 8 q 2 1 3 0" stroke="#d49a76" stroke-width="1.4" fill="none" stroke-linecap="round"/>
    <path d="M43 57 q 7 5 14 0" stroke="#b05a5a" stroke-width="1.8" fill="none" stroke-linecap="round"/>
    <ellipse cx="36" cy="52" rx="3.5" ry="2" fill="#f6a9a0" opacity="0.45"/>
    <ellipse cx="64" cy="52" rx="3.5" ry="2" fill="#f6a9a0" opacity="0.45"/>
  </g>
</svg>)svg";

}  // namespace

QByteArray AboutFigureSvg(int picture)
{
    const int column = (picture - 1) % 3 - 1;  // -1 left, 0 middle, 1 right
    const int row = (picture - 1) / 3 - 1;     // -1 up, 0 level, 1 down
    const double pupilX = column * 2.4;
    const double pupilY = row * 1.8;
    const double browY = 35 - (row < 0 ? 2 : 0) + (row > 0 ? 1 : 0);
    return QString::fromLatin1(kFigure)
        .arg(column * 3)
        .arg(row * 2)
        .arg(browY)
        .arg(41 + pupilX)
        .arg(42 + pupilY)
        .arg(59 + pupilX)
        .arg(40 + pupilX)
        .arg(41 + pupilY)
        .arg(58 + pupilX)
        .toUtf8();
}

}  // namespace tornelis
