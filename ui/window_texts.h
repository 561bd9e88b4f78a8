#pragma once

// The texts of the system's windows that no caller gives them: the prompt windows' buttons and
// label, and the wizard's menu item. They are set through the translation when the window opens,
// so a window template holds none of them.
inline constexpr char okText[] = "OK";
inline constexpr char cancelText[] = "Annule";
inline constexpr char containingText[] = "Contenant :";
inline constexpr char aboutItemText[] = "&A propos de l'installateur...";
