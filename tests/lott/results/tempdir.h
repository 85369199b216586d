// The shared working-directory fixture under the path the Swiss pairing tests include.
#pragma once
#include "tests/support/temp_dir.h"
