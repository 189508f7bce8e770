#pragma once

// Where the fields of each record live, written once per layout. Only the fields that the
// tools fill are named; every other byte of a built record stays zero.

#include <cstddef>
#include <cstdint>

template <class T>
struct ScalarField {
    std::size_t offset;
};

struct TextField {
    std::size_t offset;
    std::size_t width;
};

template <class T, std::size_t N>
struct ArrayField {
    std::size_t offset;
    static constexpr std::size_t kCount = N;
};

using Vec3Field = ArrayField<float, 3>;

namespace ObjectLayout {
inline constexpr ScalarField<std::uint16_t> kIndex{0};
inline constexpr TextField kName{2, 20};
inline constexpr ScalarField<std::int16_t> kId{22};
inline constexpr ScalarField<std::int32_t> kObjectType{24};
inline constexpr ScalarField<std::int32_t> kSimType{28};
inline constexpr TextField kDefaultDoctrine{32, 20};
inline constexpr TextField kSoundFile{52, 20};
inline constexpr ScalarField<float> kMastHeightX10{72};
inline constexpr ScalarField<float> kLengthX10{76};
inline constexpr ScalarField<float> kWidthX10{80};
inline constexpr ScalarField<float> kDraftX10{84};
inline constexpr ScalarField<float> kDrag{88};
inline constexpr ScalarField<std::int16_t> kMass{92};
inline constexpr ScalarField<std::int16_t> kMassUnit{94};
inline constexpr ScalarField<std::int32_t> kWeaponMaxRange{96};
inline constexpr ScalarField<std::int32_t> kWeaponMinRange{100};
inline constexpr ScalarField<std::int32_t> kFuel{104};
inline constexpr ScalarField<std::int16_t> kBuoyCount{108};
inline constexpr ScalarField<std::int16_t> kArmor{112};
inline constexpr TextField kSecondDoctrine{114, 20};
// ASW, SUW, AAW, Strike, Recon, Comms/Tanker, Minesweeping/Bomber.
inline constexpr ArrayField<std::uint8_t, 7> kMissionPriorities{134};
inline constexpr ScalarField<std::int32_t> kPointValue{144};
inline constexpr ScalarField<std::int16_t> kMaxSpeed{148};
inline constexpr ScalarField<std::int16_t> kMinSpeed{150};
inline constexpr ScalarField<std::int32_t> kClimbAngle{152};
inline constexpr ScalarField<std::int32_t> kMaxAltitude{156};
inline constexpr ScalarField<std::int32_t> kMinAltitude{160};
inline constexpr ScalarField<float> kTurnRadius{164};
inline constexpr ScalarField<float> kWeaponEffectiveness{172};
inline constexpr ScalarField<float> kSoundEcho{188};
inline constexpr ScalarField<float> kIrEmission{192};
inline constexpr ScalarField<float> kSoundEmission{196};
inline constexpr ScalarField<float> kRadarEcho{200};
inline constexpr ScalarField<float> kVisualEcho{204};
inline constexpr ArrayField<std::int16_t, 30> kLauncherSlots{220};
inline constexpr ArrayField<std::int16_t, 10> kAirstripSlots{280};
inline constexpr ArrayField<std::int16_t, 9> kSensorSlots{300};
inline constexpr ScalarField<std::int16_t> kProfileIndex{330};
inline constexpr ScalarField<std::uint16_t> kTargetCaps{334};
inline constexpr ScalarField<std::uint16_t> kMissileCaps{336};
inline constexpr ScalarField<std::uint8_t> kCountermeasures{338};
}  // namespace ObjectLayout

namespace SensorLayout {
inline constexpr ScalarField<std::uint16_t> kIndex{0};
inline constexpr TextField kName{2, 42};
inline constexpr ScalarField<std::int32_t> kSensorClass{44};
inline constexpr ScalarField<std::int32_t> kCounterDetectSensor{48};
inline constexpr ScalarField<std::uint32_t> kUpdateInterval{52};
inline constexpr ArrayField<std::uint32_t, 4> kCurveRanges{56};
inline constexpr ScalarField<std::int32_t> kCounterDetectRange{76};
inline constexpr ScalarField<std::int32_t> kMaxOperationAltitude{96};
inline constexpr ScalarField<std::int32_t> kMinOperationAltitude{100};
inline constexpr ScalarField<std::int32_t> kSonarFrequencyMin{104};
inline constexpr ScalarField<std::int32_t> kSonarFrequencyMax{108};
inline constexpr ScalarField<std::uint16_t> kAttributes{116};
inline constexpr ScalarField<std::uint32_t> kConeCenter{124};
inline constexpr ScalarField<std::int32_t> kSensorCone{128};
inline constexpr TextField kDisplayName{160, 20};
}  // namespace SensorLayout

namespace LauncherLayout {
inline constexpr ScalarField<std::uint16_t> kIndex{0};
inline constexpr ScalarField<std::int16_t> kTubes{2};
inline constexpr ScalarField<std::int16_t> kCenteredHeading{4};
inline constexpr ScalarField<std::int16_t> kHalfFiringCone{6};
inline constexpr ScalarField<std::int16_t> kPitch{8};
inline constexpr ScalarField<std::int16_t> kHeading{10};
inline constexpr ScalarField<std::uint16_t> kAttributes{12};
inline constexpr ScalarField<std::int16_t> kClipReloadTime{14};
inline constexpr ScalarField<std::int16_t> kAmmoSwapTime{16};
inline constexpr ScalarField<std::int16_t> kMaxGuidable{18};
inline constexpr ScalarField<std::int16_t> kRoundsPerMinute{20};
inline constexpr ScalarField<std::int16_t> kAdditionalClips{22};
inline constexpr Vec3Field kLocation{24};
inline constexpr Vec3Field kTopLeft{36};
inline constexpr Vec3Field kBottomRight{48};
inline constexpr ScalarField<std::int16_t> kRows{60};
inline constexpr ScalarField<std::int16_t> kColumns{62};
inline constexpr ArrayField<std::int16_t, 4> kRounds{64};
inline constexpr ArrayField<std::int16_t, 4> kAmmoTypes{72};
inline constexpr TextField kSoundFile{80, 20};
inline constexpr TextField kName{100, 20};
}  // namespace LauncherLayout

namespace AirstripLayout {
inline constexpr ScalarField<std::uint16_t> kIndex{0};
inline constexpr ScalarField<std::uint16_t> kAttributes{2};
inline constexpr Vec3Field kHangar{4};
inline constexpr Vec3Field kRunwayStart{16};
inline constexpr Vec3Field kRunwayEnd{28};
inline constexpr Vec3Field kTaxiStart{40};
inline constexpr Vec3Field kTaxiMiddle{52};
inline constexpr Vec3Field kTaxiEnd{64};
inline constexpr TextField kName{76, 20};
}  // namespace AirstripLayout

namespace ProfileLayout {
inline constexpr ScalarField<std::uint16_t> kIndex{0};
inline constexpr TextField kName{2, 20};
inline constexpr ArrayField<std::int16_t, 6> kBands{22};
}  // namespace ProfileLayout

namespace MastLayout {
inline constexpr ScalarField<std::uint16_t> kIndex{0};
inline constexpr TextField kName{2, 20};
inline constexpr ScalarField<std::int16_t> kBuoyancy{28};
inline constexpr TextField kSoundFile{50, 20};
inline constexpr Vec3Field kCenter{80};
inline constexpr ScalarField<std::int16_t> kLength{92};
}  // namespace MastLayout

namespace EntityLayout {
inline constexpr ScalarField<std::uint16_t> kIndex{0};
inline constexpr ScalarField<std::int16_t> kShipClassIndex{2};
inline constexpr TextField kName{4, 20};
inline constexpr ScalarField<std::int16_t> kShipNumber{34};
inline constexpr TextField kTypeName{36, 20};
}  // namespace EntityLayout

namespace Object3DLayout {
inline constexpr TextField kName{0, 20};
inline constexpr TextField kModelLow{20, 20};
inline constexpr TextField kModelMedium{40, 20};
inline constexpr TextField kModelHigh{60, 20};
inline constexpr ScalarField<float> kWaterLineRadius{140};
inline constexpr ScalarField<std::int32_t> kAnimationParts{152};
}  // namespace Object3DLayout

namespace ShipClassLayout {
inline constexpr ScalarField<std::uint16_t> kIndex{0};
inline constexpr ScalarField<std::int16_t> kCountry{2};
inline constexpr TextField kName{10, 40};
inline constexpr TextField kClass{50, 18};
}  // namespace ShipClassLayout

namespace CountryNameLayout {
inline constexpr ScalarField<std::uint16_t> kIndex{0};
inline constexpr TextField kName{2, 40};
inline constexpr TextField kAbbreviation{52, 4};
}  // namespace CountryNameLayout
