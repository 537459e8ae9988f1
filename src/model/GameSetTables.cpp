#include "model/GameSetTables.h"

namespace scriptloom {

GameSetTables& programTables() {
    static GameSetTables tables;
    return tables;
}

}  // namespace scriptloom
