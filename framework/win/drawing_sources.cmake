# Geometry, device contexts, drawing objects and controls.
