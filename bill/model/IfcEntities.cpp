#include "bill/model/IfcEntities.h"

#include <array>

namespace korvane {

namespace {

constexpr std::array<std::string_view, ifcEntityCount> kTitles{
    "IfcProject",
    "IfcUnitAssignment",
    "IfcSIUnit",
    "IfcConversionBasedUnit",
    "IfcMeasureWithUnit",
    "IfcBuildingStorey",
    "IfcRelContainedInSpatialStructure",
    "IfcRelAssignsToGroup",
    "IfcSystem",
    "IfcDistributionSystem",
    "IfcDuctSegment",
    "IfcDuctFitting",
    "IfcFlowSegment",
    "IfcFlowFitting",
    "IfcDuctSegmentType",
    "IfcDuctFittingType",
    "IfcRelDefinesByType",
    "IfcProductDefinitionShape",
    "IfcShapeRepresentation",
    "IfcExtrudedAreaSolid",
    "IfcRectangleProfileDef",
    "IfcRectangleHollowProfileDef",
    "IfcCircleProfileDef",
    "IfcCircleHollowProfileDef",
    "IfcMappedItem",
    "IfcRepresentationMap",
    "IfcDistributionPort",
    "IfcRelNests",
    "IfcRelConnectsPortToElement",
    "IfcRelConnectsPorts",
    "IfcLocalPlacement",
    "IfcAxis2Placement3D",
    "IfcCartesianPoint",
    "IfcDirection",
    "IfcRelDefinesByProperties",
    "IfcPropertySet",
    "IfcPropertySingleValue",
    "IfcElementQuantity",
    "IfcQuantityLength",
};

constexpr std::size_t kLongest = 40;

constexpr std::array<std::array<char, kLongest>, ifcEntityCount> UpperNames() {
  std::array<std::array<char, kLongest>, ifcEntityCount> out{};
  for (std::size_t i = 0; i < kTitles.size(); ++i)
    for (std::size_t k = 0; k < kTitles[i].size(); ++k) {
      const char c = kTitles[i][k];
      out[i][k] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
  return out;
}

constexpr auto kUpper = UpperNames();

constexpr std::array<std::string_view, ifcEntityCount> Views() {
  std::array<std::string_view, ifcEntityCount> out{};
  for (std::size_t i = 0; i < kTitles.size(); ++i)
    out[i] = std::string_view(kUpper[i].data(), kTitles[i].size());
  return out;
}

constexpr auto kNames = Views();

} // namespace

std::span<const std::string_view> IfcEntityNames() {
  return kNames;
}

std::string_view IfcEntityTitle(unsigned entity) {
  return entity < kTitles.size() ? kTitles[entity] : std::string_view("IfcElement");
}

} // namespace korvane
