#pragma once

namespace zicalc {

class Form1;

// Wires the pet simulator Form4 into the main window: Button13 "加点模拟器" on the 召唤兽 page and
// "召唤兽加点" in the tray menu (before the separator) open it.
void WirePetSimulator(Form1& main);

// Shows the simulator in place of the main window: an open one comes back as it was (also from
// the tray), otherwise a fresh one is created. The simulator minimises behind its own tray icon.
void OpenPetSimulator(Form1& main);

}  // namespace zicalc
