// Resource ids shared by the resource script and the code.
#pragma once

#define TAVROLIN_ICON_ID 1

#ifdef __cplusplus
inline constexpr int kIconId = TAVROLIN_ICON_ID;
#endif
