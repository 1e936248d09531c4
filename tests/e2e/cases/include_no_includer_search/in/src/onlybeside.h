never
