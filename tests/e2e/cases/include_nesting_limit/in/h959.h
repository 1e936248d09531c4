#include "h960.h"
