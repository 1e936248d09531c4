#include "h840.h"
