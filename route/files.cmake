# Files of route/ (added as its screens are built).
