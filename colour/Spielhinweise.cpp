#include "colour/Spielhinweise.h"

TSpielhinweise Spielhinweise;
