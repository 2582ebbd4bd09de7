// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The casinos and their recorded spins: the list, the history file, spin files.

#include "advisor/part.hpp"

namespace brisvale {

class CasinoBook : public Part {
  public:
    using Part::Part;

    // Casinos.
    void fillCasinoList();  // reads the casinos of the history file; none is chosen
    // The casino whose spins the run records, if one is chosen.
    const CasinoEntry* chosenCasino() const;
    std::optional<std::size_t> findCasino(std::string_view name) const;
    // casinoChosen: the player chose no casino, a new one (asked for its name), or casino k.
    void chooseNoCasino();
    void chooseNewCasino();
    void chooseCasino(std::size_t k);
    void endRecording();
    std::optional<CasinoRecord> readCasino(std::size_t k) const;
    void useCasino(const CasinoRecord& record);
    void addChosen(const CasinoRecord& record);
    void RecordCasinoSpin();
    bool SaveCasinoHistory(
        std::string_view kept = "The spin was kept and will be written with the next one.");
    std::string recordedName() const;  // the recorded casino's name, from its line
    void flushCasinoHistory();    // before the casino's spins are left: one more try to write them
    void deleteSelectedCasino();  // delete the selected casino
    // Spin files.
    bool appendSpins(const std::vector<int>& spins);
    bool importIntoNewCasino(const std::vector<int>& spins, const std::string& name);
};

}  // namespace brisvale
