#include "app/IntroLogo.h"

namespace vindoro
{
const char* introLogoSvg()
{
    return R"SVG(<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="354.33124" height="283.465" viewBox="0 0 354.33124 283.465">
  <defs>
    <radialGradient id="berry" cx="0.35" cy="0.3" r="0.75">
      <stop offset="0" stop-color="#b4567a"/>
      <stop offset="0.55" stop-color="#7a1f42"/>
      <stop offset="1" stop-color="#3f0c22"/>
    </radialGradient>
    <linearGradient id="leaf" x1="0" y1="0" x2="1" y2="1">
      <stop offset="0" stop-color="#a3bd5a"/>
      <stop offset="1" stop-color="#55702a"/>
    </linearGradient>
    <linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#fff3c4"/>
      <stop offset="1" stop-color="#e0c372"/>
    </linearGradient>
  </defs>
  <path d="M177 58 C178 42 184 30 196 20" fill="none" stroke="#6b4423" stroke-width="6" stroke-linecap="round"/>
  <path d="M196 20 C206 12 222 14 226 24 C230 34 220 40 213 34 C208 30 212 24 217 26" fill="none" stroke="#8a9a4a" stroke-width="2.5" stroke-linecap="round"/>
  <path d="M186 40 C196 22 232 10 262 22 C250 30 256 44 246 54 C236 66 214 58 204 66 C204 56 194 50 186 40 Z" fill="url(#leaf)" stroke="#3f5520" stroke-width="1.5"/>
  <path d="M190 41 C210 38 230 34 252 26" fill="none" stroke="#3f5520" stroke-width="1.5"/>
  <path d="M212 38 C218 44 222 50 224 58" fill="none" stroke="#3f5520" stroke-width="1.2"/>
  <path d="M232 32 C236 38 240 42 242 50" fill="none" stroke="#3f5520" stroke-width="1.2"/>
  <g stroke="#2a0716" stroke-width="1.2" fill="url(#berry)">
    <circle cx="143" cy="76" r="18"/>
    <circle cx="178" cy="72" r="18"/>
    <circle cx="213" cy="76" r="18"/>
    <circle cx="126" cy="106" r="18"/>
    <circle cx="161" cy="104" r="18"/>
    <circle cx="196" cy="104" r="18"/>
    <circle cx="231" cy="106" r="18"/>
    <circle cx="143" cy="136" r="18"/>
    <circle cx="178" cy="134" r="18"/>
    <circle cx="213" cy="136" r="18"/>
    <circle cx="160" cy="165" r="18"/>
    <circle cx="196" cy="165" r="18"/>
    <circle cx="178" cy="194" r="18"/>
  </g>
  <g fill="#ffffff" fill-opacity="0.35">
    <circle cx="137" cy="70" r="5"/><circle cx="172" cy="66" r="5"/><circle cx="207" cy="70" r="5"/>
    <circle cx="120" cy="100" r="5"/><circle cx="155" cy="98" r="5"/><circle cx="190" cy="98" r="5"/>
    <circle cx="225" cy="100" r="5"/><circle cx="137" cy="130" r="5"/><circle cx="172" cy="128" r="5"/>
    <circle cx="207" cy="130" r="5"/><circle cx="154" cy="159" r="5"/><circle cx="190" cy="159" r="5"/>
    <circle cx="172" cy="188" r="5"/>
  </g>
  <path d="M70 232 L284 232" stroke="#e0c372" stroke-width="1.5"/>
  <text x="177.16" y="268" text-anchor="middle" font-family="DejaVu Serif" font-weight="bold" font-size="40" fill="#f1dc9c">VINDORO</text>
</svg>
)SVG";
}
} // namespace vindoro
