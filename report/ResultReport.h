#pragma once
// The result report "Zelvar-Beam.txt".
