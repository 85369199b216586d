// The shared working-directory fixture, under the name the result and pairing tests include.
#pragma once
#include "tests/support/temp_dir.h"
