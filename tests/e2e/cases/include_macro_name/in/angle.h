angle
