#include "DemoTables.h"

namespace DemoTables {

namespace {

// Sensor attribute bits.
constexpr std::uint16_t kAspect = 0x0001;
constexpr std::uint16_t kThermalLayer = 0x0002;
constexpr std::uint16_t kSeaState = 0x0004;
constexpr std::uint16_t kTargetMass = 0x0010;
constexpr std::uint16_t kTargetNoise = 0x0020;
constexpr std::uint16_t kPlatformNoise = 0x0040;
constexpr std::uint16_t kEarthCurvature = 0x0100;
constexpr std::uint16_t kAmbientLight = 0x0200;
constexpr std::uint16_t kDetach = 0x0400;
constexpr std::uint16_t kBlinding = 0x2000;
constexpr std::uint16_t kActivelyUpdated = 0x4000;

constexpr std::uint16_t kSonar = kAspect | kThermalLayer | kSeaState | kPlatformNoise;
constexpr std::uint16_t kPassiveSonar = kThermalLayer | kSeaState | kTargetNoise | kPlatformNoise;
constexpr std::uint16_t kRadar = kAspect | kEarthCurvature | kActivelyUpdated;
constexpr std::uint16_t kOptical = kAspect | kEarthCurvature | kAmbientLight;

// Launcher attribute bits.
constexpr std::uint16_t kRotatable = 0x0001;
constexpr std::uint16_t kRequiresFcr = 0x0004;

// Airstrip attribute bits.
constexpr std::uint16_t kPlaneRunway = 0x0001;
constexpr std::uint16_t kPlaneTakeoff = 0x0002;
constexpr std::uint16_t kCatapult = 0x0004;
constexpr std::uint16_t kHeloPad = 0x0008;

// clang-format off
const Country kCountries[] = {
    {"Kingdom of Varland", "VAR"},
    {"Ostrenian Republic", "OSR"},
    {"Free State of Caldera", "CAL"},
    {"Serennic League", "SRL"},
    {"Brannoch Isles", "BRN"},
    {"Unaligned Waters", "NEU"},
};

// name, display name, class, counter-detecting class, curve ranges, sonar band, attributes, cone
const Sensor kSensors[] = {
    {"Reserve Sensor Mount", "RESERVE", 0, 0, {0, 0, 0, 0}, 0, 0, 0, 0},
    {"Kestrel Hull Sonar", "HULL SONAR", 1, 2, {2000, 6000, 12000, 18000}, 3000, 7500, kSonar, 270},
    {"Listener Intercept Array", "INTERCEPT", 2, 1, {5000, 15000, 30000, 45000}, 1000, 20000,
     kThermalLayer | kSeaState, 360},
    {"Wary ESM Suite", "ESM", 3, 8, {20000, 60000, 120000, 200000}, 0, 0, kEarthCurvature, 360},
    {"Bridge Lookout", "VISUAL", 4, 4, {1000, 4000, 8000, 15000}, 0, 0, kOptical, 360},
    {"Seeker MAD Boom", "MAD", 5, 0, {100, 300, 600, 900}, 0, 0, kTargetMass, 360},
    {"Glint IR Tracker", "IRST", 6, 0, {3000, 10000, 20000, 30000}, 0, 0, kAspect | kAmbientLight,
     360},
    {"Murmur Towed Array", "TOWED ARRAY", 7, 0, {8000, 25000, 50000, 80000}, 10, 1500,
     kPassiveSonar | kDetach, 300},
    {"Skarpa Air Search Radar", "AIR SEARCH", 8, 3, {40000, 120000, 200000, 280000}, 0, 0, kRadar,
     360},
    {"Talon Fire Control Radar", "FIRE CONTROL", 9, 3, {10000, 30000, 60000, 90000}, 0, 0, kRadar,
     120},
    {"Veil Chaff Dispenser", "CHAFF", 10, 0, {500, 1000, 1500, 2000}, 0, 0, 0, 360},
    {"Howl Noise Jammer", "JAMMER", 11, 3, {20000, 50000, 100000, 150000}, 0, 0, kBlinding, 90},
    {"Cormorant Flank Array", "FLANK ARRAY", 7, 0, {6000, 18000, 36000, 60000}, 50, 5000,
     kPassiveSonar, 300},
    {"Tern Surface Radar", "SURFACE SEARCH", 8, 3, {8000, 20000, 40000, 60000}, 0, 0,
     kRadar | kSeaState, 360},
    {"Dipper Dipping Sonar", "DIPPING SONAR", 1, 2, {2000, 5000, 9000, 14000}, 9000, 13000,
     kSonar | kDetach, 360},
    {"Sonobuoy Receiver", "SONOBUOYS", 7, 0, {3000, 8000, 15000, 25000}, 10, 2400,
     kPassiveSonar | kDetach, 360},
    {"Periscope Optics", "PERISCOPE", 4, 4, {1000, 3000, 6000, 10000}, 0, 0, kOptical, 360},
    {"Sparrowhawk Nose Radar", "NOSE RADAR", 8, 3, {15000, 40000, 80000, 120000}, 0, 0, kRadar, 120},
    {"Torpedo Acoustic Seeker", "TORP SEEKER", 1, 2, {300, 800, 1500, 2500}, 20000, 40000, kSonar,
     90},
    {"Active Radar Seeker", "RADAR SEEKER", 9, 3, {2000, 8000, 15000, 25000}, 0, 0, kRadar, 60},
    {"Ember IR Seeker", "IR SEEKER", 6, 0, {1000, 4000, 8000, 12000}, 0, 0, kAspect | kAmbientLight,
     40},
    {"Lodestone Influence Fuze", "INFLUENCE FUZE", 5, 0, {20, 50, 80, 120}, 0, 0, kTargetMass, 360},
};

// name, sound, tubes, half firing cone, attributes, rounds per minute, clip reload time,
// ammunition, rounds, location on the platform
const Launcher kLaunchers[] = {
    {"Vesper Torpedo", "tube_launch.wav", 6, 0, 0, 2, 120,
     {"Vesper Torpedo", "Seabed Mine", "Acoustic Decoy"}, {14, 6, 4}, {0.0f, 30.0f, -2.0f}},
    {"Kite Light Torpedo", "tube_launch.wav", 3, 60, kRotatable, 4, 90,
     {"Kite Light Torpedo"}, {9}, {6.0f, -20.0f, 3.0f}},
    {"Spear SSM", "ssm_launch.wav", 8, 90, 0, 8, 600, {"Spear SSM"}, {8}, {0.0f, 5.0f, 6.0f}},
    {"Gale SAM", "vls_launch.wav", 16, 180, kRequiresFcr, 20, 900, {"Gale SAM"}, {32},
     {0.0f, 40.0f, 4.0f}},
    {"76mm HE Shell", "gun_76.wav", 1, 150, kRotatable | kRequiresFcr, 80, 30, {"76mm HE Shell"},
     {600}, {0.0f, 55.0f, 5.0f}},
    {"30mm CIWS Round", "ciws_burst.wav", 1, 180, kRotatable | kRequiresFcr, 3000, 20,
     {"30mm CIWS Round"}, {2000}, {0.0f, -35.0f, 12.0f}},
    {"Depth Charge Mk3", "dc_roll.wav", 2, 20, 0, 6, 60, {"Depth Charge Mk3"}, {20},
     {0.0f, -60.0f, 2.0f}},
    {"Chaff Rocket", "chaff_pop.wav", 6, 180, 0, 12, 45, {"Chaff Rocket"}, {24}, {4.0f, 10.0f, 9.0f}},
    {"Lance ASM", "pylon_drop.wav", 2, 0, kRequiresFcr, 2, 0, {"Lance ASM"}, {2},
     {3.0f, 0.0f, -1.0f}},
    {"Flint AAM", "rail_launch.wav", 4, 0, 0, 4, 0, {"Flint AAM"}, {4}, {5.0f, 0.0f, -1.0f}},
    {"Moored Contact Mine", "mine_drop.wav", 2, 0, 0, 2, 300,
     {"Moored Contact Mine", "Seabed Mine"}, {40, 20}, {0.0f, -50.0f, 1.0f}},
    {"Acoustic Decoy", "decoy_out.wav", 1, 0, 0, 1, 180, {"Acoustic Decoy"}, {4},
     {0.0f, -62.0f, 0.0f}},
};

// name, attributes, hangar, runway start, runway end
const Airstrip kAirstrips[] = {
    {"Main Flight Deck", kPlaneRunway | kPlaneTakeoff | kCatapult, {0.0f, -20.0f, 12.0f},
     {0.0f, -95.0f, 18.0f}, {0.0f, 95.0f, 18.0f}},
    {"Angled Deck", kPlaneRunway, {-5.0f, -20.0f, 12.0f}, {-10.0f, -90.0f, 18.0f},
     {15.0f, 60.0f, 18.0f}},
    {"Forward Helo Spot", kHeloPad, {0.0f, -20.0f, 12.0f}, {0.0f, 70.0f, 18.0f},
     {0.0f, 70.0f, 18.0f}},
    {"Aft Helo Pad", kHeloPad, {0.0f, -45.0f, 8.0f}, {0.0f, -60.0f, 8.0f}, {0.0f, -60.0f, 8.0f}},
};

// name, sound, buoyancy, length, centre
const Mast kMasts[] = {
    {"Search Periscope", "mast_raise.wav", 12, 90, {0.0f, 4.0f, 12.0f}},
    {"Attack Periscope", "mast_raise.wav", 10, 85, {0.0f, 3.0f, 12.0f}},
    {"Snorkel Mast", "snorkel.wav", 20, 70, {0.0f, 1.0f, 11.0f}},
    {"ESM Mast", "mast_raise.wav", 8, 75, {0.0f, 2.0f, 12.0f}},
    {"Radar Mast", "mast_raise.wav", 9, 80, {0.0f, 0.0f, 12.0f}},
    {"Comms Mast", "comms_mast.wav", 6, 95, {0.0f, -2.0f, 12.0f}},
};

const Hull kHulls[] = {
    {"VNS Halvard", "Halvard", 101},
    {"VNS Hallgrim", "Halvard", 102},
    {"VNS Skarnes", "Skarnes", 205},
    {"VNS Sigrun", "Skarnes", 206},
    {"VNS Valkenburg", "Valkenburg", 1},
    {"VNS Osterhaven", "Osterhaven", 310},
    {"ORS Morvaen", "Morvaen", 431},
    {"ORS Kessa", "Morvaen", 432},
    {"CFS Brisk", "Brisk", 12},
    {"SLS Tarrow", "Tarrow", 51},
    {"VNS Narwhal", "Narwhal", 21},
    {"ORS Grimsvaer", "Grimsvaer", 7},
    {"Red Falk Flight", "Falk Strike Fighter", 0},
    {"Gull Patrol 4", "Albatross MPA", 4},
};
// clang-format on

}  // namespace

std::span<const Country> Countries() {
    return kCountries;
}

std::span<const Sensor> Sensors() {
    return kSensors;
}

std::span<const Launcher> Launchers() {
    return kLaunchers;
}

std::span<const Airstrip> Airstrips() {
    return kAirstrips;
}

std::span<const Mast> Masts() {
    return kMasts;
}

std::span<const Hull> Hulls() {
    return kHulls;
}

}  // namespace DemoTables
