#pragma once
// The entities of an IFC model the duct take-off looks at, IFC2X3 and IFC4
// alike; every other instance of a model is passed by unread.
#include <span>
#include <string_view>

namespace korvane {

enum TIfcEntity : unsigned {
  ifcProject,
  ifcUnitAssignment,
  ifcSIUnit,
  ifcConversionBasedUnit,
  ifcMeasureWithUnit,
  ifcBuildingStorey,
  ifcRelContainedInSpatialStructure,
  ifcRelAssignsToGroup,
  ifcSystem,
  ifcDistributionSystem,
  ifcDuctSegment,
  ifcDuctFitting,
  ifcFlowSegment,
  ifcFlowFitting,
  ifcDuctSegmentType,
  ifcDuctFittingType,
  ifcRelDefinesByType,
  ifcProductDefinitionShape,
  ifcShapeRepresentation,
  ifcExtrudedAreaSolid,
  ifcRectangleProfileDef,
  ifcRectangleHollowProfileDef,
  ifcCircleProfileDef,
  ifcCircleHollowProfileDef,
  ifcMappedItem,
  ifcRepresentationMap,
  ifcDistributionPort,
  ifcRelNests,
  ifcRelConnectsPortToElement,
  ifcRelConnectsPorts,
  ifcLocalPlacement,
  ifcAxis2Placement3D,
  ifcCartesianPoint,
  ifcDirection,
  ifcRelDefinesByProperties,
  ifcPropertySet,
  ifcPropertySingleValue,
  ifcElementQuantity,
  ifcQuantityLength,
  ifcEntityCount
};

// The names, upper case as a model writes them, in the order above.
std::span<const std::string_view> IfcEntityNames();

// "IfcDuctFitting" as a person reads it.
std::string_view IfcEntityTitle(unsigned entity);

} // namespace korvane
