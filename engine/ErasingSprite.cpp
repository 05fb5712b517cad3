#include "ErasingSprite.h"

ErasingSprite::ErasingSprite() : background(nullptr) {}
