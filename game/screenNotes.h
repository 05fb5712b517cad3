// What the screens between rounds write in the game's lettering over their pictures: the time
// and the goods taken of a lost round on the game-over screen's board, the keys of the
// high-score table under it, and on the record's screen a table that could not be saved. The texts
// live here, so that new keys change them alone.
#pragma once

#include <string>

class quaroLettering;

struct lostRound {
    int minutes = 0;
    int seconds = 0;
    int goodsTaken = 0;
};

namespace screenNotes {

extern const char* const tableKeys;
extern const char* const assistedTitle;

// On the game-over picture's board (recorded, not yet shown).
void writeLostRound(quaroLettering& font, const lostRound& round);
// Under the high-score table (recorded, not yet shown).
void writeTableKeys(quaroLettering& font);
// Under the list of rounds won with an assist, which the table's picture shows instead.
void writeAssistedTitle(quaroLettering& font);

// On the record's picture, below the name field: the table was not saved, why, and that a key
// goes on (recorded, not yet shown).
void writeSaveFailure(quaroLettering& font, const std::string& why);

} // namespace screenNotes
