#pragma once

#include "Buffer.h"

// The road: one crash per kind of vehicle, so the player hears what hit the frog, and the
// squeal of a braking truck.
namespace traffic_sounds {

Buffer RagtopOpenCrash();
Buffer RagtopClosedCrash();
Buffer SmallCarCrash();
Buffer TruckCrash();
Buffer TruckBrake();

}  // namespace traffic_sounds
