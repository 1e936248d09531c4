#line 1 "main1.c"


#line 1 "h1.h"



#line 1 "h2.h"



#line 1 "h3.h"



#line 1 "h4.h"



#line 1 "h5.h"



#line 1 "h6.h"



#line 1 "h7.h"



#line 1 "h8.h"



#line 1 "h9.h"



#line 1 "h10.h"



#line 1 "h11.h"



#line 1 "h12.h"



#line 1 "h13.h"



#line 1 "h14.h"



#line 1 "h15.h"



#line 1 "h16.h"



#line 1 "h17.h"



#line 1 "h18.h"



#line 1 "h19.h"



#line 1 "h20.h"



#line 1 "h21.h"



#line 1 "h22.h"



#line 1 "h23.h"



#line 1 "h24.h"



#line 1 "h25.h"



#line 1 "h26.h"



#line 1 "h27.h"



#line 1 "h28.h"



#line 1 "h29.h"



#line 1 "h30.h"



#line 1 "h31.h"



#line 1 "h32.h"



#line 1 "h33.h"



#line 1 "h34.h"



#line 1 "h35.h"



#line 1 "h36.h"



#line 1 "h37.h"



#line 1 "h38.h"



#line 1 "h39.h"



#line 1 "h40.h"



#line 1 "h41.h"



#line 1 "h42.h"



#line 1 "h43.h"



#line 1 "h44.h"



#line 1 "h45.h"



#line 1 "h46.h"



#line 1 "h47.h"



#line 1 "h48.h"



#line 1 "h49.h"



#line 1 "h50.h"



#line 1 "h51.h"



#line 1 "h52.h"



#line 1 "h53.h"



#line 1 "h54.h"



#line 1 "h55.h"



#line 1 "h56.h"



#line 1 "h57.h"



#line 1 "h58.h"



#line 1 "h59.h"



#line 1 "h60.h"



#line 1 "h61.h"



#line 1 "h62.h"



#line 1 "h63.h"



#line 1 "h64.h"



#line 1 "h65.h"



#line 1 "h66.h"



#line 1 "h67.h"



#line 1 "h68.h"



#line 1 "h69.h"



#line 1 "h70.h"



#line 1 "h71.h"



#line 1 "h72.h"



#line 1 "h73.h"



#line 1 "h74.h"



#line 1 "h75.h"



#line 1 "h76.h"



#line 1 "h77.h"



#line 1 "h78.h"



#line 1 "h79.h"



#line 1 "h80.h"



#line 1 "h81.h"



#line 1 "h82.h"



#line 1 "h83.h"



#line 1 "h84.h"



#line 1 "h85.h"



#line 1 "h86.h"



#line 1 "h87.h"



#line 1 "h88.h"



#line 1 "h89.h"



#line 1 "h90.h"



#line 1 "h91.h"



#line 1 "h92.h"



#line 1 "h93.h"



#line 1 "h94.h"



#line 1 "h95.h"



#line 1 "h96.h"



#line 1 "h97.h"



#line 1 "h98.h"



#line 1 "h99.h"



#line 1 "h100.h"



#line 1 "h101.h"



#line 1 "h102.h"



#line 1 "h103.h"



#line 1 "h104.h"



#line 1 "h105.h"



#line 1 "h106.h"



#line 1 "h107.h"



#line 1 "h108.h"



#line 1 "h109.h"



#line 1 "h110.h"



#line 1 "h111.h"



#line 1 "h112.h"



#line 1 "h113.h"



#line 1 "h114.h"



#line 1 "h115.h"



#line 1 "h116.h"



#line 1 "h117.h"



#line 1 "h118.h"



#line 1 "h119.h"



#line 1 "h120.h"



#line 1 "h121.h"



#line 1 "h122.h"



#line 1 "h123.h"



#line 1 "h124.h"



#line 1 "h125.h"



#line 1 "h126.h"



#line 1 "h127.h"



#line 1 "h128.h"



#line 1 "h129.h"



#line 1 "h130.h"



#line 1 "h131.h"



#line 1 "h132.h"



#line 1 "h133.h"



#line 1 "h134.h"



#line 1 "h135.h"



#line 1 "h136.h"



#line 1 "h137.h"



#line 1 "h138.h"



#line 1 "h139.h"



#line 1 "h140.h"



#line 1 "h141.h"



#line 1 "h142.h"



#line 1 "h143.h"



#line 1 "h144.h"



#line 1 "h145.h"



#line 1 "h146.h"



#line 1 "h147.h"



#line 1 "h148.h"



#line 1 "h149.h"



#line 1 "h150.h"



#line 1 "h151.h"



#line 1 "h152.h"



#line 1 "h153.h"



#line 1 "h154.h"



#line 1 "h155.h"



#line 1 "h156.h"



#line 1 "h157.h"



#line 1 "h158.h"



#line 1 "h159.h"



#line 1 "h160.h"



#line 1 "h161.h"



#line 1 "h162.h"



#line 1 "h163.h"



#line 1 "h164.h"



#line 1 "h165.h"



#line 1 "h166.h"



#line 1 "h167.h"



#line 1 "h168.h"



#line 1 "h169.h"



#line 1 "h170.h"



#line 1 "h171.h"



#line 1 "h172.h"



#line 1 "h173.h"



#line 1 "h174.h"



#line 1 "h175.h"



#line 1 "h176.h"



#line 1 "h177.h"



#line 1 "h178.h"



#line 1 "h179.h"



#line 1 "h180.h"



#line 1 "h181.h"



#line 1 "h182.h"



#line 1 "h183.h"



#line 1 "h184.h"



#line 1 "h185.h"



#line 1 "h186.h"



#line 1 "h187.h"



#line 1 "h188.h"



#line 1 "h189.h"



#line 1 "h190.h"



#line 1 "h191.h"



#line 1 "h192.h"



#line 1 "h193.h"



#line 1 "h194.h"



#line 1 "h195.h"



#line 1 "h196.h"



#line 1 "h197.h"



#line 1 "h198.h"



#line 1 "h199.h"



#line 1 "h200.h"



#line 1 "h201.h"



#line 1 "h202.h"



#line 1 "h203.h"



#line 1 "h204.h"



#line 1 "h205.h"



#line 1 "h206.h"



#line 1 "h207.h"



#line 1 "h208.h"



#line 1 "h209.h"



#line 1 "h210.h"



#line 1 "h211.h"



#line 1 "h212.h"



#line 1 "h213.h"



#line 1 "h214.h"



#line 1 "h215.h"



#line 1 "h216.h"



#line 1 "h217.h"



#line 1 "h218.h"



#line 1 "h219.h"



#line 1 "h220.h"



#line 1 "h221.h"



#line 1 "h222.h"



#line 1 "h223.h"



#line 1 "h224.h"



#line 1 "h225.h"



#line 1 "h226.h"



#line 1 "h227.h"



#line 1 "h228.h"



#line 1 "h229.h"



#line 1 "h230.h"



#line 1 "h231.h"



#line 1 "h232.h"



#line 1 "h233.h"



#line 1 "h234.h"



#line 1 "h235.h"



#line 1 "h236.h"



#line 1 "h237.h"



#line 1 "h238.h"



#line 1 "h239.h"



#line 1 "h240.h"



#line 1 "h241.h"



#line 1 "h242.h"



#line 1 "h243.h"



#line 1 "h244.h"



#line 1 "h245.h"



#line 1 "h246.h"



#line 1 "h247.h"



#line 1 "h248.h"



#line 1 "h249.h"



#line 1 "h250.h"



#line 1 "h251.h"



#line 1 "h252.h"



#line 1 "h253.h"



#line 1 "h254.h"



#line 1 "h255.h"



#line 1 "h256.h"



#line 1 "h257.h"



#line 1 "h258.h"



#line 1 "h259.h"



#line 1 "h260.h"



#line 1 "h261.h"



#line 1 "h262.h"



#line 1 "h263.h"



#line 1 "h264.h"



#line 1 "h265.h"



#line 1 "h266.h"



#line 1 "h267.h"



#line 1 "h268.h"



#line 1 "h269.h"



#line 1 "h270.h"



#line 1 "h271.h"



#line 1 "h272.h"



#line 1 "h273.h"



#line 1 "h274.h"



#line 1 "h275.h"



#line 1 "h276.h"



#line 1 "h277.h"



#line 1 "h278.h"



#line 1 "h279.h"



#line 1 "h280.h"



#line 1 "h281.h"



#line 1 "h282.h"



#line 1 "h283.h"



#line 1 "h284.h"



#line 1 "h285.h"



#line 1 "h286.h"



#line 1 "h287.h"



#line 1 "h288.h"



#line 1 "h289.h"



#line 1 "h290.h"



#line 1 "h291.h"



#line 1 "h292.h"



#line 1 "h293.h"



#line 1 "h294.h"



#line 1 "h295.h"



#line 1 "h296.h"



#line 1 "h297.h"



#line 1 "h298.h"



#line 1 "h299.h"



#line 1 "h300.h"



#line 1 "h301.h"



#line 1 "h302.h"



#line 1 "h303.h"



#line 1 "h304.h"



#line 1 "h305.h"



#line 1 "h306.h"



#line 1 "h307.h"



#line 1 "h308.h"



#line 1 "h309.h"



#line 1 "h310.h"



#line 1 "h311.h"



#line 1 "h312.h"



#line 1 "h313.h"



#line 1 "h314.h"



#line 1 "h315.h"



#line 1 "h316.h"



#line 1 "h317.h"



#line 1 "h318.h"



#line 1 "h319.h"



#line 1 "h320.h"



#line 1 "h321.h"



#line 1 "h322.h"



#line 1 "h323.h"



#line 1 "h324.h"



#line 1 "h325.h"



#line 1 "h326.h"



#line 1 "h327.h"



#line 1 "h328.h"



#line 1 "h329.h"



#line 1 "h330.h"



#line 1 "h331.h"



#line 1 "h332.h"



#line 1 "h333.h"



#line 1 "h334.h"



#line 1 "h335.h"



#line 1 "h336.h"



#line 1 "h337.h"



#line 1 "h338.h"



#line 1 "h339.h"



#line 1 "h340.h"



#line 1 "h341.h"



#line 1 "h342.h"



#line 1 "h343.h"



#line 1 "h344.h"



#line 1 "h345.h"



#line 1 "h346.h"



#line 1 "h347.h"



#line 1 "h348.h"



#line 1 "h349.h"



#line 1 "h350.h"



#line 1 "h351.h"



#line 1 "h352.h"



#line 1 "h353.h"



#line 1 "h354.h"



#line 1 "h355.h"



#line 1 "h356.h"



#line 1 "h357.h"



#line 1 "h358.h"



#line 1 "h359.h"



#line 1 "h360.h"



#line 1 "h361.h"



#line 1 "h362.h"



#line 1 "h363.h"



#line 1 "h364.h"



#line 1 "h365.h"



#line 1 "h366.h"



#line 1 "h367.h"



#line 1 "h368.h"



#line 1 "h369.h"



#line 1 "h370.h"



#line 1 "h371.h"



#line 1 "h372.h"



#line 1 "h373.h"



#line 1 "h374.h"



#line 1 "h375.h"



#line 1 "h376.h"



#line 1 "h377.h"



#line 1 "h378.h"



#line 1 "h379.h"



#line 1 "h380.h"



#line 1 "h381.h"



#line 1 "h382.h"



#line 1 "h383.h"



#line 1 "h384.h"



#line 1 "h385.h"



#line 1 "h386.h"



#line 1 "h387.h"



#line 1 "h388.h"



#line 1 "h389.h"



#line 1 "h390.h"



#line 1 "h391.h"



#line 1 "h392.h"



#line 1 "h393.h"



#line 1 "h394.h"



#line 1 "h395.h"



#line 1 "h396.h"



#line 1 "h397.h"



#line 1 "h398.h"



#line 1 "h399.h"



#line 1 "h400.h"



#line 1 "h401.h"



#line 1 "h402.h"



#line 1 "h403.h"



#line 1 "h404.h"



#line 1 "h405.h"



#line 1 "h406.h"



#line 1 "h407.h"



#line 1 "h408.h"



#line 1 "h409.h"



#line 1 "h410.h"



#line 1 "h411.h"



#line 1 "h412.h"



#line 1 "h413.h"



#line 1 "h414.h"



#line 1 "h415.h"



#line 1 "h416.h"



#line 1 "h417.h"



#line 1 "h418.h"



#line 1 "h419.h"



#line 1 "h420.h"



#line 1 "h421.h"



#line 1 "h422.h"



#line 1 "h423.h"



#line 1 "h424.h"



#line 1 "h425.h"



#line 1 "h426.h"



#line 1 "h427.h"



#line 1 "h428.h"



#line 1 "h429.h"



#line 1 "h430.h"



#line 1 "h431.h"



#line 1 "h432.h"



#line 1 "h433.h"



#line 1 "h434.h"



#line 1 "h435.h"



#line 1 "h436.h"



#line 1 "h437.h"



#line 1 "h438.h"



#line 1 "h439.h"



#line 1 "h440.h"



#line 1 "h441.h"



#line 1 "h442.h"



#line 1 "h443.h"



#line 1 "h444.h"



#line 1 "h445.h"



#line 1 "h446.h"



#line 1 "h447.h"



#line 1 "h448.h"



#line 1 "h449.h"



#line 1 "h450.h"



#line 1 "h451.h"



#line 1 "h452.h"



#line 1 "h453.h"



#line 1 "h454.h"



#line 1 "h455.h"



#line 1 "h456.h"



#line 1 "h457.h"



#line 1 "h458.h"



#line 1 "h459.h"



#line 1 "h460.h"



#line 1 "h461.h"



#line 1 "h462.h"



#line 1 "h463.h"



#line 1 "h464.h"



#line 1 "h465.h"



#line 1 "h466.h"



#line 1 "h467.h"



#line 1 "h468.h"



#line 1 "h469.h"



#line 1 "h470.h"



#line 1 "h471.h"



#line 1 "h472.h"



#line 1 "h473.h"



#line 1 "h474.h"



#line 1 "h475.h"



#line 1 "h476.h"



#line 1 "h477.h"



#line 1 "h478.h"



#line 1 "h479.h"



#line 1 "h480.h"



#line 1 "h481.h"



#line 1 "h482.h"



#line 1 "h483.h"



#line 1 "h484.h"



#line 1 "h485.h"



#line 1 "h486.h"



#line 1 "h487.h"



#line 1 "h488.h"



#line 1 "h489.h"



#line 1 "h490.h"



#line 1 "h491.h"



#line 1 "h492.h"



#line 1 "h493.h"



#line 1 "h494.h"



#line 1 "h495.h"



#line 1 "h496.h"



#line 1 "h497.h"



#line 1 "h498.h"



#line 1 "h499.h"



#line 1 "h500.h"



#line 1 "h501.h"



#line 1 "h502.h"



#line 1 "h503.h"



#line 1 "h504.h"



#line 1 "h505.h"



#line 1 "h506.h"



#line 1 "h507.h"



#line 1 "h508.h"



#line 1 "h509.h"



#line 1 "h510.h"



#line 1 "h511.h"



#line 1 "h512.h"



#line 1 "h513.h"



#line 1 "h514.h"



#line 1 "h515.h"



#line 1 "h516.h"



#line 1 "h517.h"



#line 1 "h518.h"



#line 1 "h519.h"



#line 1 "h520.h"



#line 1 "h521.h"



#line 1 "h522.h"



#line 1 "h523.h"



#line 1 "h524.h"



#line 1 "h525.h"



#line 1 "h526.h"



#line 1 "h527.h"



#line 1 "h528.h"



#line 1 "h529.h"



#line 1 "h530.h"



#line 1 "h531.h"



#line 1 "h532.h"



#line 1 "h533.h"



#line 1 "h534.h"



#line 1 "h535.h"



#line 1 "h536.h"



#line 1 "h537.h"



#line 1 "h538.h"



#line 1 "h539.h"



#line 1 "h540.h"



#line 1 "h541.h"



#line 1 "h542.h"



#line 1 "h543.h"



#line 1 "h544.h"



#line 1 "h545.h"



#line 1 "h546.h"



#line 1 "h547.h"



#line 1 "h548.h"



#line 1 "h549.h"



#line 1 "h550.h"



#line 1 "h551.h"



#line 1 "h552.h"



#line 1 "h553.h"



#line 1 "h554.h"



#line 1 "h555.h"



#line 1 "h556.h"



#line 1 "h557.h"



#line 1 "h558.h"



#line 1 "h559.h"



#line 1 "h560.h"



#line 1 "h561.h"



#line 1 "h562.h"



#line 1 "h563.h"



#line 1 "h564.h"



#line 1 "h565.h"



#line 1 "h566.h"



#line 1 "h567.h"



#line 1 "h568.h"



#line 1 "h569.h"



#line 1 "h570.h"



#line 1 "h571.h"



#line 1 "h572.h"



#line 1 "h573.h"



#line 1 "h574.h"



#line 1 "h575.h"



#line 1 "h576.h"



#line 1 "h577.h"



#line 1 "h578.h"



#line 1 "h579.h"



#line 1 "h580.h"



#line 1 "h581.h"



#line 1 "h582.h"



#line 1 "h583.h"



#line 1 "h584.h"



#line 1 "h585.h"



#line 1 "h586.h"



#line 1 "h587.h"



#line 1 "h588.h"



#line 1 "h589.h"



#line 1 "h590.h"



#line 1 "h591.h"



#line 1 "h592.h"



#line 1 "h593.h"



#line 1 "h594.h"



#line 1 "h595.h"



#line 1 "h596.h"



#line 1 "h597.h"



#line 1 "h598.h"



#line 1 "h599.h"



#line 1 "h600.h"



#line 1 "h601.h"



#line 1 "h602.h"



#line 1 "h603.h"



#line 1 "h604.h"



#line 1 "h605.h"



#line 1 "h606.h"



#line 1 "h607.h"



#line 1 "h608.h"



#line 1 "h609.h"



#line 1 "h610.h"



#line 1 "h611.h"



#line 1 "h612.h"



#line 1 "h613.h"



#line 1 "h614.h"



#line 1 "h615.h"



#line 1 "h616.h"



#line 1 "h617.h"



#line 1 "h618.h"



#line 1 "h619.h"



#line 1 "h620.h"



#line 1 "h621.h"



#line 1 "h622.h"



#line 1 "h623.h"



#line 1 "h624.h"



#line 1 "h625.h"



#line 1 "h626.h"



#line 1 "h627.h"



#line 1 "h628.h"



#line 1 "h629.h"



#line 1 "h630.h"



#line 1 "h631.h"



#line 1 "h632.h"



#line 1 "h633.h"



#line 1 "h634.h"



#line 1 "h635.h"



#line 1 "h636.h"



#line 1 "h637.h"



#line 1 "h638.h"



#line 1 "h639.h"



#line 1 "h640.h"



#line 1 "h641.h"



#line 1 "h642.h"



#line 1 "h643.h"



#line 1 "h644.h"



#line 1 "h645.h"



#line 1 "h646.h"



#line 1 "h647.h"



#line 1 "h648.h"



#line 1 "h649.h"



#line 1 "h650.h"



#line 1 "h651.h"



#line 1 "h652.h"



#line 1 "h653.h"



#line 1 "h654.h"



#line 1 "h655.h"



#line 1 "h656.h"



#line 1 "h657.h"



#line 1 "h658.h"



#line 1 "h659.h"



#line 1 "h660.h"



#line 1 "h661.h"



#line 1 "h662.h"



#line 1 "h663.h"



#line 1 "h664.h"



#line 1 "h665.h"



#line 1 "h666.h"



#line 1 "h667.h"



#line 1 "h668.h"



#line 1 "h669.h"



#line 1 "h670.h"



#line 1 "h671.h"



#line 1 "h672.h"



#line 1 "h673.h"



#line 1 "h674.h"



#line 1 "h675.h"



#line 1 "h676.h"



#line 1 "h677.h"



#line 1 "h678.h"



#line 1 "h679.h"



#line 1 "h680.h"



#line 1 "h681.h"



#line 1 "h682.h"



#line 1 "h683.h"



#line 1 "h684.h"



#line 1 "h685.h"



#line 1 "h686.h"



#line 1 "h687.h"



#line 1 "h688.h"



#line 1 "h689.h"



#line 1 "h690.h"



#line 1 "h691.h"



#line 1 "h692.h"



#line 1 "h693.h"



#line 1 "h694.h"



#line 1 "h695.h"



#line 1 "h696.h"



#line 1 "h697.h"



#line 1 "h698.h"



#line 1 "h699.h"



#line 1 "h700.h"



#line 1 "h701.h"



#line 1 "h702.h"



#line 1 "h703.h"



#line 1 "h704.h"



#line 1 "h705.h"



#line 1 "h706.h"



#line 1 "h707.h"



#line 1 "h708.h"



#line 1 "h709.h"



#line 1 "h710.h"



#line 1 "h711.h"



#line 1 "h712.h"



#line 1 "h713.h"



#line 1 "h714.h"



#line 1 "h715.h"



#line 1 "h716.h"



#line 1 "h717.h"



#line 1 "h718.h"



#line 1 "h719.h"



#line 1 "h720.h"



#line 1 "h721.h"



#line 1 "h722.h"



#line 1 "h723.h"



#line 1 "h724.h"



#line 1 "h725.h"



#line 1 "h726.h"



#line 1 "h727.h"



#line 1 "h728.h"



#line 1 "h729.h"



#line 1 "h730.h"



#line 1 "h731.h"



#line 1 "h732.h"



#line 1 "h733.h"



#line 1 "h734.h"



#line 1 "h735.h"



#line 1 "h736.h"



#line 1 "h737.h"



#line 1 "h738.h"



#line 1 "h739.h"



#line 1 "h740.h"



#line 1 "h741.h"



#line 1 "h742.h"



#line 1 "h743.h"



#line 1 "h744.h"



#line 1 "h745.h"



#line 1 "h746.h"



#line 1 "h747.h"



#line 1 "h748.h"



#line 1 "h749.h"



#line 1 "h750.h"



#line 1 "h751.h"



#line 1 "h752.h"



#line 1 "h753.h"



#line 1 "h754.h"



#line 1 "h755.h"



#line 1 "h756.h"



#line 1 "h757.h"



#line 1 "h758.h"



#line 1 "h759.h"



#line 1 "h760.h"



#line 1 "h761.h"



#line 1 "h762.h"



#line 1 "h763.h"



#line 1 "h764.h"



#line 1 "h765.h"



#line 1 "h766.h"



#line 1 "h767.h"



#line 1 "h768.h"



#line 1 "h769.h"



#line 1 "h770.h"



#line 1 "h771.h"



#line 1 "h772.h"



#line 1 "h773.h"



#line 1 "h774.h"



#line 1 "h775.h"



#line 1 "h776.h"



#line 1 "h777.h"



#line 1 "h778.h"



#line 1 "h779.h"



#line 1 "h780.h"



#line 1 "h781.h"



#line 1 "h782.h"



#line 1 "h783.h"



#line 1 "h784.h"



#line 1 "h785.h"



#line 1 "h786.h"



#line 1 "h787.h"



#line 1 "h788.h"



#line 1 "h789.h"



#line 1 "h790.h"



#line 1 "h791.h"



#line 1 "h792.h"



#line 1 "h793.h"



#line 1 "h794.h"



#line 1 "h795.h"



#line 1 "h796.h"



#line 1 "h797.h"



#line 1 "h798.h"



#line 1 "h799.h"



#line 1 "h800.h"



#line 1 "h801.h"



#line 1 "h802.h"



#line 1 "h803.h"



#line 1 "h804.h"



#line 1 "h805.h"



#line 1 "h806.h"



#line 1 "h807.h"



#line 1 "h808.h"



#line 1 "h809.h"



#line 1 "h810.h"



#line 1 "h811.h"



#line 1 "h812.h"



#line 1 "h813.h"



#line 1 "h814.h"



#line 1 "h815.h"



#line 1 "h816.h"



#line 1 "h817.h"



#line 1 "h818.h"



#line 1 "h819.h"



#line 1 "h820.h"



#line 1 "h821.h"



#line 1 "h822.h"



#line 1 "h823.h"



#line 1 "h824.h"



#line 1 "h825.h"



#line 1 "h826.h"



#line 1 "h827.h"



#line 1 "h828.h"



#line 1 "h829.h"



#line 1 "h830.h"



#line 1 "h831.h"



#line 1 "h832.h"



#line 1 "h833.h"



#line 1 "h834.h"



#line 1 "h835.h"



#line 1 "h836.h"



#line 1 "h837.h"



#line 1 "h838.h"



#line 1 "h839.h"



#line 1 "h840.h"



#line 1 "h841.h"



#line 1 "h842.h"



#line 1 "h843.h"



#line 1 "h844.h"



#line 1 "h845.h"



#line 1 "h846.h"



#line 1 "h847.h"



#line 1 "h848.h"



#line 1 "h849.h"



#line 1 "h850.h"



#line 1 "h851.h"



#line 1 "h852.h"



#line 1 "h853.h"



#line 1 "h854.h"



#line 1 "h855.h"



#line 1 "h856.h"



#line 1 "h857.h"



#line 1 "h858.h"



#line 1 "h859.h"



#line 1 "h860.h"



#line 1 "h861.h"



#line 1 "h862.h"



#line 1 "h863.h"



#line 1 "h864.h"



#line 1 "h865.h"



#line 1 "h866.h"



#line 1 "h867.h"



#line 1 "h868.h"



#line 1 "h869.h"



#line 1 "h870.h"



#line 1 "h871.h"



#line 1 "h872.h"



#line 1 "h873.h"



#line 1 "h874.h"



#line 1 "h875.h"



#line 1 "h876.h"



#line 1 "h877.h"



#line 1 "h878.h"



#line 1 "h879.h"



#line 1 "h880.h"



#line 1 "h881.h"



#line 1 "h882.h"



#line 1 "h883.h"



#line 1 "h884.h"



#line 1 "h885.h"



#line 1 "h886.h"



#line 1 "h887.h"



#line 1 "h888.h"



#line 1 "h889.h"



#line 1 "h890.h"



#line 1 "h891.h"



#line 1 "h892.h"



#line 1 "h893.h"



#line 1 "h894.h"



#line 1 "h895.h"



#line 1 "h896.h"



#line 1 "h897.h"



#line 1 "h898.h"



#line 1 "h899.h"



#line 1 "h900.h"



#line 1 "h901.h"



#line 1 "h902.h"



#line 1 "h903.h"



#line 1 "h904.h"



#line 1 "h905.h"



#line 1 "h906.h"



#line 1 "h907.h"



#line 1 "h908.h"



#line 1 "h909.h"



#line 1 "h910.h"



#line 1 "h911.h"



#line 1 "h912.h"



#line 1 "h913.h"



#line 1 "h914.h"



#line 1 "h915.h"



#line 1 "h916.h"



#line 1 "h917.h"



#line 1 "h918.h"



#line 1 "h919.h"



#line 1 "h920.h"



#line 1 "h921.h"



#line 1 "h922.h"



#line 1 "h923.h"



#line 1 "h924.h"



#line 1 "h925.h"



#line 1 "h926.h"



#line 1 "h927.h"



#line 1 "h928.h"



#line 1 "h929.h"



#line 1 "h930.h"



#line 1 "h931.h"



#line 1 "h932.h"



#line 1 "h933.h"



#line 1 "h934.h"



#line 1 "h935.h"



#line 1 "h936.h"



#line 1 "h937.h"



#line 1 "h938.h"



#line 1 "h939.h"



#line 1 "h940.h"



#line 1 "h941.h"



#line 1 "h942.h"



#line 1 "h943.h"



#line 1 "h944.h"



#line 1 "h945.h"



#line 1 "h946.h"



#line 1 "h947.h"



#line 1 "h948.h"



#line 1 "h949.h"



#line 1 "h950.h"



#line 1 "h951.h"



#line 1 "h952.h"



#line 1 "h953.h"



#line 1 "h954.h"



#line 1 "h955.h"



#line 1 "h956.h"



#line 1 "h957.h"



#line 1 "h958.h"



#line 1 "h959.h"



#line 1 "h960.h"



#line 1 "h961.h"



#line 1 "h962.h"



#line 1 "h963.h"



#line 1 "h964.h"



#line 1 "h965.h"



#line 1 "h966.h"



#line 1 "h967.h"



#line 1 "h968.h"



#line 1 "h969.h"



#line 1 "h970.h"



#line 1 "h971.h"



#line 1 "h972.h"



#line 1 "h973.h"



#line 1 "h974.h"



#line 1 "h975.h"



#line 1 "h976.h"



#line 1 "h977.h"



#line 1 "h978.h"



#line 1 "h979.h"



#line 1 "h980.h"



#line 1 "h981.h"



#line 1 "h982.h"



#line 1 "h983.h"



#line 1 "h984.h"



#line 1 "h985.h"



#line 1 "h986.h"



#line 1 "h987.h"



#line 1 "h988.h"



#line 1 "h989.h"



#line 1 "h990.h"



#line 1 "h991.h"



#line 1 "h992.h"



#line 1 "h993.h"



#line 1 "h994.h"



#line 1 "h995.h"



#line 1 "h996.h"



#line 1 "h997.h"



#line 1 "h998.h"




deepest


#line 2 "h997.h"


#line 2 "h996.h"


#line 2 "h995.h"


#line 2 "h994.h"


#line 2 "h993.h"


#line 2 "h992.h"


#line 2 "h991.h"


#line 2 "h990.h"


#line 2 "h989.h"


#line 2 "h988.h"


#line 2 "h987.h"


#line 2 "h986.h"


#line 2 "h985.h"


#line 2 "h984.h"


#line 2 "h983.h"


#line 2 "h982.h"


#line 2 "h981.h"


#line 2 "h980.h"


#line 2 "h979.h"


#line 2 "h978.h"


#line 2 "h977.h"


#line 2 "h976.h"


#line 2 "h975.h"


#line 2 "h974.h"


#line 2 "h973.h"


#line 2 "h972.h"


#line 2 "h971.h"


#line 2 "h970.h"


#line 2 "h969.h"


#line 2 "h968.h"


#line 2 "h967.h"


#line 2 "h966.h"


#line 2 "h965.h"


#line 2 "h964.h"


#line 2 "h963.h"


#line 2 "h962.h"


#line 2 "h961.h"


#line 2 "h960.h"


#line 2 "h959.h"


#line 2 "h958.h"


#line 2 "h957.h"


#line 2 "h956.h"


#line 2 "h955.h"


#line 2 "h954.h"


#line 2 "h953.h"


#line 2 "h952.h"


#line 2 "h951.h"


#line 2 "h950.h"


#line 2 "h949.h"


#line 2 "h948.h"


#line 2 "h947.h"


#line 2 "h946.h"


#line 2 "h945.h"


#line 2 "h944.h"


#line 2 "h943.h"


#line 2 "h942.h"


#line 2 "h941.h"


#line 2 "h940.h"


#line 2 "h939.h"


#line 2 "h938.h"


#line 2 "h937.h"


#line 2 "h936.h"


#line 2 "h935.h"


#line 2 "h934.h"


#line 2 "h933.h"


#line 2 "h932.h"


#line 2 "h931.h"


#line 2 "h930.h"


#line 2 "h929.h"


#line 2 "h928.h"


#line 2 "h927.h"


#line 2 "h926.h"


#line 2 "h925.h"


#line 2 "h924.h"


#line 2 "h923.h"


#line 2 "h922.h"


#line 2 "h921.h"


#line 2 "h920.h"


#line 2 "h919.h"


#line 2 "h918.h"


#line 2 "h917.h"


#line 2 "h916.h"


#line 2 "h915.h"


#line 2 "h914.h"


#line 2 "h913.h"


#line 2 "h912.h"


#line 2 "h911.h"


#line 2 "h910.h"


#line 2 "h909.h"


#line 2 "h908.h"


#line 2 "h907.h"


#line 2 "h906.h"


#line 2 "h905.h"


#line 2 "h904.h"


#line 2 "h903.h"


#line 2 "h902.h"


#line 2 "h901.h"


#line 2 "h900.h"


#line 2 "h899.h"


#line 2 "h898.h"


#line 2 "h897.h"


#line 2 "h896.h"


#line 2 "h895.h"


#line 2 "h894.h"


#line 2 "h893.h"


#line 2 "h892.h"


#line 2 "h891.h"


#line 2 "h890.h"


#line 2 "h889.h"


#line 2 "h888.h"


#line 2 "h887.h"


#line 2 "h886.h"


#line 2 "h885.h"


#line 2 "h884.h"


#line 2 "h883.h"


#line 2 "h882.h"


#line 2 "h881.h"


#line 2 "h880.h"


#line 2 "h879.h"


#line 2 "h878.h"


#line 2 "h877.h"


#line 2 "h876.h"


#line 2 "h875.h"


#line 2 "h874.h"


#line 2 "h873.h"


#line 2 "h872.h"


#line 2 "h871.h"


#line 2 "h870.h"


#line 2 "h869.h"


#line 2 "h868.h"


#line 2 "h867.h"


#line 2 "h866.h"


#line 2 "h865.h"


#line 2 "h864.h"


#line 2 "h863.h"


#line 2 "h862.h"


#line 2 "h861.h"


#line 2 "h860.h"


#line 2 "h859.h"


#line 2 "h858.h"


#line 2 "h857.h"


#line 2 "h856.h"


#line 2 "h855.h"


#line 2 "h854.h"


#line 2 "h853.h"


#line 2 "h852.h"


#line 2 "h851.h"


#line 2 "h850.h"


#line 2 "h849.h"


#line 2 "h848.h"


#line 2 "h847.h"


#line 2 "h846.h"


#line 2 "h845.h"


#line 2 "h844.h"


#line 2 "h843.h"


#line 2 "h842.h"


#line 2 "h841.h"


#line 2 "h840.h"


#line 2 "h839.h"


#line 2 "h838.h"


#line 2 "h837.h"


#line 2 "h836.h"


#line 2 "h835.h"


#line 2 "h834.h"


#line 2 "h833.h"


#line 2 "h832.h"


#line 2 "h831.h"


#line 2 "h830.h"


#line 2 "h829.h"


#line 2 "h828.h"


#line 2 "h827.h"


#line 2 "h826.h"


#line 2 "h825.h"


#line 2 "h824.h"


#line 2 "h823.h"


#line 2 "h822.h"


#line 2 "h821.h"


#line 2 "h820.h"


#line 2 "h819.h"


#line 2 "h818.h"


#line 2 "h817.h"


#line 2 "h816.h"


#line 2 "h815.h"


#line 2 "h814.h"


#line 2 "h813.h"


#line 2 "h812.h"


#line 2 "h811.h"


#line 2 "h810.h"


#line 2 "h809.h"


#line 2 "h808.h"


#line 2 "h807.h"


#line 2 "h806.h"


#line 2 "h805.h"


#line 2 "h804.h"


#line 2 "h803.h"


#line 2 "h802.h"


#line 2 "h801.h"


#line 2 "h800.h"


#line 2 "h799.h"


#line 2 "h798.h"


#line 2 "h797.h"


#line 2 "h796.h"


#line 2 "h795.h"


#line 2 "h794.h"


#line 2 "h793.h"


#line 2 "h792.h"


#line 2 "h791.h"


#line 2 "h790.h"


#line 2 "h789.h"


#line 2 "h788.h"


#line 2 "h787.h"


#line 2 "h786.h"


#line 2 "h785.h"


#line 2 "h784.h"


#line 2 "h783.h"


#line 2 "h782.h"


#line 2 "h781.h"


#line 2 "h780.h"


#line 2 "h779.h"


#line 2 "h778.h"


#line 2 "h777.h"


#line 2 "h776.h"


#line 2 "h775.h"


#line 2 "h774.h"


#line 2 "h773.h"


#line 2 "h772.h"


#line 2 "h771.h"


#line 2 "h770.h"


#line 2 "h769.h"


#line 2 "h768.h"


#line 2 "h767.h"


#line 2 "h766.h"


#line 2 "h765.h"


#line 2 "h764.h"


#line 2 "h763.h"


#line 2 "h762.h"


#line 2 "h761.h"


#line 2 "h760.h"


#line 2 "h759.h"


#line 2 "h758.h"


#line 2 "h757.h"


#line 2 "h756.h"


#line 2 "h755.h"


#line 2 "h754.h"


#line 2 "h753.h"


#line 2 "h752.h"


#line 2 "h751.h"


#line 2 "h750.h"


#line 2 "h749.h"


#line 2 "h748.h"


#line 2 "h747.h"


#line 2 "h746.h"


#line 2 "h745.h"


#line 2 "h744.h"


#line 2 "h743.h"


#line 2 "h742.h"


#line 2 "h741.h"


#line 2 "h740.h"


#line 2 "h739.h"


#line 2 "h738.h"


#line 2 "h737.h"


#line 2 "h736.h"


#line 2 "h735.h"


#line 2 "h734.h"


#line 2 "h733.h"


#line 2 "h732.h"


#line 2 "h731.h"


#line 2 "h730.h"


#line 2 "h729.h"


#line 2 "h728.h"


#line 2 "h727.h"


#line 2 "h726.h"


#line 2 "h725.h"


#line 2 "h724.h"


#line 2 "h723.h"


#line 2 "h722.h"


#line 2 "h721.h"


#line 2 "h720.h"


#line 2 "h719.h"


#line 2 "h718.h"


#line 2 "h717.h"


#line 2 "h716.h"


#line 2 "h715.h"


#line 2 "h714.h"


#line 2 "h713.h"


#line 2 "h712.h"


#line 2 "h711.h"


#line 2 "h710.h"


#line 2 "h709.h"


#line 2 "h708.h"


#line 2 "h707.h"


#line 2 "h706.h"


#line 2 "h705.h"


#line 2 "h704.h"


#line 2 "h703.h"


#line 2 "h702.h"


#line 2 "h701.h"


#line 2 "h700.h"


#line 2 "h699.h"


#line 2 "h698.h"


#line 2 "h697.h"


#line 2 "h696.h"


#line 2 "h695.h"


#line 2 "h694.h"


#line 2 "h693.h"


#line 2 "h692.h"


#line 2 "h691.h"


#line 2 "h690.h"


#line 2 "h689.h"


#line 2 "h688.h"


#line 2 "h687.h"


#line 2 "h686.h"


#line 2 "h685.h"


#line 2 "h684.h"


#line 2 "h683.h"


#line 2 "h682.h"


#line 2 "h681.h"


#line 2 "h680.h"


#line 2 "h679.h"


#line 2 "h678.h"


#line 2 "h677.h"


#line 2 "h676.h"


#line 2 "h675.h"


#line 2 "h674.h"


#line 2 "h673.h"


#line 2 "h672.h"


#line 2 "h671.h"


#line 2 "h670.h"


#line 2 "h669.h"


#line 2 "h668.h"


#line 2 "h667.h"


#line 2 "h666.h"


#line 2 "h665.h"


#line 2 "h664.h"


#line 2 "h663.h"


#line 2 "h662.h"


#line 2 "h661.h"


#line 2 "h660.h"


#line 2 "h659.h"


#line 2 "h658.h"


#line 2 "h657.h"


#line 2 "h656.h"


#line 2 "h655.h"


#line 2 "h654.h"


#line 2 "h653.h"


#line 2 "h652.h"


#line 2 "h651.h"


#line 2 "h650.h"


#line 2 "h649.h"


#line 2 "h648.h"


#line 2 "h647.h"


#line 2 "h646.h"


#line 2 "h645.h"


#line 2 "h644.h"


#line 2 "h643.h"


#line 2 "h642.h"


#line 2 "h641.h"


#line 2 "h640.h"


#line 2 "h639.h"


#line 2 "h638.h"


#line 2 "h637.h"


#line 2 "h636.h"


#line 2 "h635.h"


#line 2 "h634.h"


#line 2 "h633.h"


#line 2 "h632.h"


#line 2 "h631.h"


#line 2 "h630.h"


#line 2 "h629.h"


#line 2 "h628.h"


#line 2 "h627.h"


#line 2 "h626.h"


#line 2 "h625.h"


#line 2 "h624.h"


#line 2 "h623.h"


#line 2 "h622.h"


#line 2 "h621.h"


#line 2 "h620.h"


#line 2 "h619.h"


#line 2 "h618.h"


#line 2 "h617.h"


#line 2 "h616.h"


#line 2 "h615.h"


#line 2 "h614.h"


#line 2 "h613.h"


#line 2 "h612.h"


#line 2 "h611.h"


#line 2 "h610.h"


#line 2 "h609.h"


#line 2 "h608.h"


#line 2 "h607.h"


#line 2 "h606.h"


#line 2 "h605.h"


#line 2 "h604.h"


#line 2 "h603.h"


#line 2 "h602.h"


#line 2 "h601.h"


#line 2 "h600.h"


#line 2 "h599.h"


#line 2 "h598.h"


#line 2 "h597.h"


#line 2 "h596.h"


#line 2 "h595.h"


#line 2 "h594.h"


#line 2 "h593.h"


#line 2 "h592.h"


#line 2 "h591.h"


#line 2 "h590.h"


#line 2 "h589.h"


#line 2 "h588.h"


#line 2 "h587.h"


#line 2 "h586.h"


#line 2 "h585.h"


#line 2 "h584.h"


#line 2 "h583.h"


#line 2 "h582.h"


#line 2 "h581.h"


#line 2 "h580.h"


#line 2 "h579.h"


#line 2 "h578.h"


#line 2 "h577.h"


#line 2 "h576.h"


#line 2 "h575.h"


#line 2 "h574.h"


#line 2 "h573.h"


#line 2 "h572.h"


#line 2 "h571.h"


#line 2 "h570.h"


#line 2 "h569.h"


#line 2 "h568.h"


#line 2 "h567.h"


#line 2 "h566.h"


#line 2 "h565.h"


#line 2 "h564.h"


#line 2 "h563.h"


#line 2 "h562.h"


#line 2 "h561.h"


#line 2 "h560.h"


#line 2 "h559.h"


#line 2 "h558.h"


#line 2 "h557.h"


#line 2 "h556.h"


#line 2 "h555.h"


#line 2 "h554.h"


#line 2 "h553.h"


#line 2 "h552.h"


#line 2 "h551.h"


#line 2 "h550.h"


#line 2 "h549.h"


#line 2 "h548.h"


#line 2 "h547.h"


#line 2 "h546.h"


#line 2 "h545.h"


#line 2 "h544.h"


#line 2 "h543.h"


#line 2 "h542.h"


#line 2 "h541.h"


#line 2 "h540.h"


#line 2 "h539.h"


#line 2 "h538.h"


#line 2 "h537.h"


#line 2 "h536.h"


#line 2 "h535.h"


#line 2 "h534.h"


#line 2 "h533.h"


#line 2 "h532.h"


#line 2 "h531.h"


#line 2 "h530.h"


#line 2 "h529.h"


#line 2 "h528.h"


#line 2 "h527.h"


#line 2 "h526.h"


#line 2 "h525.h"


#line 2 "h524.h"


#line 2 "h523.h"


#line 2 "h522.h"


#line 2 "h521.h"


#line 2 "h520.h"


#line 2 "h519.h"


#line 2 "h518.h"


#line 2 "h517.h"


#line 2 "h516.h"


#line 2 "h515.h"


#line 2 "h514.h"


#line 2 "h513.h"


#line 2 "h512.h"


#line 2 "h511.h"


#line 2 "h510.h"


#line 2 "h509.h"


#line 2 "h508.h"


#line 2 "h507.h"


#line 2 "h506.h"


#line 2 "h505.h"


#line 2 "h504.h"


#line 2 "h503.h"


#line 2 "h502.h"


#line 2 "h501.h"


#line 2 "h500.h"


#line 2 "h499.h"


#line 2 "h498.h"


#line 2 "h497.h"


#line 2 "h496.h"


#line 2 "h495.h"


#line 2 "h494.h"


#line 2 "h493.h"


#line 2 "h492.h"


#line 2 "h491.h"


#line 2 "h490.h"


#line 2 "h489.h"


#line 2 "h488.h"


#line 2 "h487.h"


#line 2 "h486.h"


#line 2 "h485.h"


#line 2 "h484.h"


#line 2 "h483.h"


#line 2 "h482.h"


#line 2 "h481.h"


#line 2 "h480.h"


#line 2 "h479.h"


#line 2 "h478.h"


#line 2 "h477.h"


#line 2 "h476.h"


#line 2 "h475.h"


#line 2 "h474.h"


#line 2 "h473.h"


#line 2 "h472.h"


#line 2 "h471.h"


#line 2 "h470.h"


#line 2 "h469.h"


#line 2 "h468.h"


#line 2 "h467.h"


#line 2 "h466.h"


#line 2 "h465.h"


#line 2 "h464.h"


#line 2 "h463.h"


#line 2 "h462.h"


#line 2 "h461.h"


#line 2 "h460.h"


#line 2 "h459.h"


#line 2 "h458.h"


#line 2 "h457.h"


#line 2 "h456.h"


#line 2 "h455.h"


#line 2 "h454.h"


#line 2 "h453.h"


#line 2 "h452.h"


#line 2 "h451.h"


#line 2 "h450.h"


#line 2 "h449.h"


#line 2 "h448.h"


#line 2 "h447.h"


#line 2 "h446.h"


#line 2 "h445.h"


#line 2 "h444.h"


#line 2 "h443.h"


#line 2 "h442.h"


#line 2 "h441.h"


#line 2 "h440.h"


#line 2 "h439.h"


#line 2 "h438.h"


#line 2 "h437.h"


#line 2 "h436.h"


#line 2 "h435.h"


#line 2 "h434.h"


#line 2 "h433.h"


#line 2 "h432.h"


#line 2 "h431.h"


#line 2 "h430.h"


#line 2 "h429.h"


#line 2 "h428.h"


#line 2 "h427.h"


#line 2 "h426.h"


#line 2 "h425.h"


#line 2 "h424.h"


#line 2 "h423.h"


#line 2 "h422.h"


#line 2 "h421.h"


#line 2 "h420.h"


#line 2 "h419.h"


#line 2 "h418.h"


#line 2 "h417.h"


#line 2 "h416.h"


#line 2 "h415.h"


#line 2 "h414.h"


#line 2 "h413.h"


#line 2 "h412.h"


#line 2 "h411.h"


#line 2 "h410.h"


#line 2 "h409.h"


#line 2 "h408.h"


#line 2 "h407.h"


#line 2 "h406.h"


#line 2 "h405.h"


#line 2 "h404.h"


#line 2 "h403.h"


#line 2 "h402.h"


#line 2 "h401.h"


#line 2 "h400.h"


#line 2 "h399.h"


#line 2 "h398.h"


#line 2 "h397.h"


#line 2 "h396.h"


#line 2 "h395.h"


#line 2 "h394.h"


#line 2 "h393.h"


#line 2 "h392.h"


#line 2 "h391.h"


#line 2 "h390.h"


#line 2 "h389.h"


#line 2 "h388.h"


#line 2 "h387.h"


#line 2 "h386.h"


#line 2 "h385.h"


#line 2 "h384.h"


#line 2 "h383.h"


#line 2 "h382.h"


#line 2 "h381.h"


#line 2 "h380.h"


#line 2 "h379.h"


#line 2 "h378.h"


#line 2 "h377.h"


#line 2 "h376.h"


#line 2 "h375.h"


#line 2 "h374.h"


#line 2 "h373.h"


#line 2 "h372.h"


#line 2 "h371.h"


#line 2 "h370.h"


#line 2 "h369.h"


#line 2 "h368.h"


#line 2 "h367.h"


#line 2 "h366.h"


#line 2 "h365.h"


#line 2 "h364.h"


#line 2 "h363.h"


#line 2 "h362.h"


#line 2 "h361.h"


#line 2 "h360.h"


#line 2 "h359.h"


#line 2 "h358.h"


#line 2 "h357.h"


#line 2 "h356.h"


#line 2 "h355.h"


#line 2 "h354.h"


#line 2 "h353.h"


#line 2 "h352.h"


#line 2 "h351.h"


#line 2 "h350.h"


#line 2 "h349.h"


#line 2 "h348.h"


#line 2 "h347.h"


#line 2 "h346.h"


#line 2 "h345.h"


#line 2 "h344.h"


#line 2 "h343.h"


#line 2 "h342.h"


#line 2 "h341.h"


#line 2 "h340.h"


#line 2 "h339.h"


#line 2 "h338.h"


#line 2 "h337.h"


#line 2 "h336.h"


#line 2 "h335.h"


#line 2 "h334.h"


#line 2 "h333.h"


#line 2 "h332.h"


#line 2 "h331.h"


#line 2 "h330.h"


#line 2 "h329.h"


#line 2 "h328.h"


#line 2 "h327.h"


#line 2 "h326.h"


#line 2 "h325.h"


#line 2 "h324.h"


#line 2 "h323.h"


#line 2 "h322.h"


#line 2 "h321.h"


#line 2 "h320.h"


#line 2 "h319.h"


#line 2 "h318.h"


#line 2 "h317.h"


#line 2 "h316.h"


#line 2 "h315.h"


#line 2 "h314.h"


#line 2 "h313.h"


#line 2 "h312.h"


#line 2 "h311.h"


#line 2 "h310.h"


#line 2 "h309.h"


#line 2 "h308.h"


#line 2 "h307.h"


#line 2 "h306.h"


#line 2 "h305.h"


#line 2 "h304.h"


#line 2 "h303.h"


#line 2 "h302.h"


#line 2 "h301.h"


#line 2 "h300.h"


#line 2 "h299.h"


#line 2 "h298.h"


#line 2 "h297.h"


#line 2 "h296.h"


#line 2 "h295.h"


#line 2 "h294.h"


#line 2 "h293.h"


#line 2 "h292.h"


#line 2 "h291.h"


#line 2 "h290.h"


#line 2 "h289.h"


#line 2 "h288.h"


#line 2 "h287.h"


#line 2 "h286.h"


#line 2 "h285.h"


#line 2 "h284.h"


#line 2 "h283.h"


#line 2 "h282.h"


#line 2 "h281.h"


#line 2 "h280.h"


#line 2 "h279.h"


#line 2 "h278.h"


#line 2 "h277.h"


#line 2 "h276.h"


#line 2 "h275.h"


#line 2 "h274.h"


#line 2 "h273.h"


#line 2 "h272.h"


#line 2 "h271.h"


#line 2 "h270.h"


#line 2 "h269.h"


#line 2 "h268.h"


#line 2 "h267.h"


#line 2 "h266.h"


#line 2 "h265.h"


#line 2 "h264.h"


#line 2 "h263.h"


#line 2 "h262.h"


#line 2 "h261.h"


#line 2 "h260.h"


#line 2 "h259.h"


#line 2 "h258.h"


#line 2 "h257.h"


#line 2 "h256.h"


#line 2 "h255.h"


#line 2 "h254.h"


#line 2 "h253.h"


#line 2 "h252.h"


#line 2 "h251.h"


#line 2 "h250.h"


#line 2 "h249.h"


#line 2 "h248.h"


#line 2 "h247.h"


#line 2 "h246.h"


#line 2 "h245.h"


#line 2 "h244.h"


#line 2 "h243.h"


#line 2 "h242.h"


#line 2 "h241.h"


#line 2 "h240.h"


#line 2 "h239.h"


#line 2 "h238.h"


#line 2 "h237.h"


#line 2 "h236.h"


#line 2 "h235.h"


#line 2 "h234.h"


#line 2 "h233.h"


#line 2 "h232.h"


#line 2 "h231.h"


#line 2 "h230.h"


#line 2 "h229.h"


#line 2 "h228.h"


#line 2 "h227.h"


#line 2 "h226.h"


#line 2 "h225.h"


#line 2 "h224.h"


#line 2 "h223.h"


#line 2 "h222.h"


#line 2 "h221.h"


#line 2 "h220.h"


#line 2 "h219.h"


#line 2 "h218.h"


#line 2 "h217.h"


#line 2 "h216.h"


#line 2 "h215.h"


#line 2 "h214.h"


#line 2 "h213.h"


#line 2 "h212.h"


#line 2 "h211.h"


#line 2 "h210.h"


#line 2 "h209.h"


#line 2 "h208.h"


#line 2 "h207.h"


#line 2 "h206.h"


#line 2 "h205.h"


#line 2 "h204.h"


#line 2 "h203.h"


#line 2 "h202.h"


#line 2 "h201.h"


#line 2 "h200.h"


#line 2 "h199.h"


#line 2 "h198.h"


#line 2 "h197.h"


#line 2 "h196.h"


#line 2 "h195.h"


#line 2 "h194.h"


#line 2 "h193.h"


#line 2 "h192.h"


#line 2 "h191.h"


#line 2 "h190.h"


#line 2 "h189.h"


#line 2 "h188.h"


#line 2 "h187.h"


#line 2 "h186.h"


#line 2 "h185.h"


#line 2 "h184.h"


#line 2 "h183.h"


#line 2 "h182.h"


#line 2 "h181.h"


#line 2 "h180.h"


#line 2 "h179.h"


#line 2 "h178.h"


#line 2 "h177.h"


#line 2 "h176.h"


#line 2 "h175.h"


#line 2 "h174.h"


#line 2 "h173.h"


#line 2 "h172.h"


#line 2 "h171.h"


#line 2 "h170.h"


#line 2 "h169.h"


#line 2 "h168.h"


#line 2 "h167.h"


#line 2 "h166.h"


#line 2 "h165.h"


#line 2 "h164.h"


#line 2 "h163.h"


#line 2 "h162.h"


#line 2 "h161.h"


#line 2 "h160.h"


#line 2 "h159.h"


#line 2 "h158.h"


#line 2 "h157.h"


#line 2 "h156.h"


#line 2 "h155.h"


#line 2 "h154.h"


#line 2 "h153.h"


#line 2 "h152.h"


#line 2 "h151.h"


#line 2 "h150.h"


#line 2 "h149.h"


#line 2 "h148.h"


#line 2 "h147.h"


#line 2 "h146.h"


#line 2 "h145.h"


#line 2 "h144.h"


#line 2 "h143.h"


#line 2 "h142.h"


#line 2 "h141.h"


#line 2 "h140.h"


#line 2 "h139.h"


#line 2 "h138.h"


#line 2 "h137.h"


#line 2 "h136.h"


#line 2 "h135.h"


#line 2 "h134.h"


#line 2 "h133.h"


#line 2 "h132.h"


#line 2 "h131.h"


#line 2 "h130.h"


#line 2 "h129.h"


#line 2 "h128.h"


#line 2 "h127.h"


#line 2 "h126.h"


#line 2 "h125.h"


#line 2 "h124.h"


#line 2 "h123.h"


#line 2 "h122.h"


#line 2 "h121.h"


#line 2 "h120.h"


#line 2 "h119.h"


#line 2 "h118.h"


#line 2 "h117.h"


#line 2 "h116.h"


#line 2 "h115.h"


#line 2 "h114.h"


#line 2 "h113.h"


#line 2 "h112.h"


#line 2 "h111.h"


#line 2 "h110.h"


#line 2 "h109.h"


#line 2 "h108.h"


#line 2 "h107.h"


#line 2 "h106.h"


#line 2 "h105.h"


#line 2 "h104.h"


#line 2 "h103.h"


#line 2 "h102.h"


#line 2 "h101.h"


#line 2 "h100.h"


#line 2 "h99.h"


#line 2 "h98.h"


#line 2 "h97.h"


#line 2 "h96.h"


#line 2 "h95.h"


#line 2 "h94.h"


#line 2 "h93.h"


#line 2 "h92.h"


#line 2 "h91.h"


#line 2 "h90.h"


#line 2 "h89.h"


#line 2 "h88.h"


#line 2 "h87.h"


#line 2 "h86.h"


#line 2 "h85.h"


#line 2 "h84.h"


#line 2 "h83.h"


#line 2 "h82.h"


#line 2 "h81.h"


#line 2 "h80.h"


#line 2 "h79.h"


#line 2 "h78.h"


#line 2 "h77.h"


#line 2 "h76.h"


#line 2 "h75.h"


#line 2 "h74.h"


#line 2 "h73.h"


#line 2 "h72.h"


#line 2 "h71.h"


#line 2 "h70.h"


#line 2 "h69.h"


#line 2 "h68.h"


#line 2 "h67.h"


#line 2 "h66.h"


#line 2 "h65.h"


#line 2 "h64.h"


#line 2 "h63.h"


#line 2 "h62.h"


#line 2 "h61.h"


#line 2 "h60.h"


#line 2 "h59.h"


#line 2 "h58.h"


#line 2 "h57.h"


#line 2 "h56.h"


#line 2 "h55.h"


#line 2 "h54.h"


#line 2 "h53.h"


#line 2 "h52.h"


#line 2 "h51.h"


#line 2 "h50.h"


#line 2 "h49.h"


#line 2 "h48.h"


#line 2 "h47.h"


#line 2 "h46.h"


#line 2 "h45.h"


#line 2 "h44.h"


#line 2 "h43.h"


#line 2 "h42.h"


#line 2 "h41.h"


#line 2 "h40.h"


#line 2 "h39.h"


#line 2 "h38.h"


#line 2 "h37.h"


#line 2 "h36.h"


#line 2 "h35.h"


#line 2 "h34.h"


#line 2 "h33.h"


#line 2 "h32.h"


#line 2 "h31.h"


#line 2 "h30.h"


#line 2 "h29.h"


#line 2 "h28.h"


#line 2 "h27.h"


#line 2 "h26.h"


#line 2 "h25.h"


#line 2 "h24.h"


#line 2 "h23.h"


#line 2 "h22.h"


#line 2 "h21.h"


#line 2 "h20.h"


#line 2 "h19.h"


#line 2 "h18.h"


#line 2 "h17.h"


#line 2 "h16.h"


#line 2 "h15.h"


#line 2 "h14.h"


#line 2 "h13.h"


#line 2 "h12.h"


#line 2 "h11.h"


#line 2 "h10.h"


#line 2 "h9.h"


#line 2 "h8.h"


#line 2 "h7.h"


#line 2 "h6.h"


#line 2 "h5.h"


#line 2 "h4.h"


#line 2 "h3.h"


#line 2 "h2.h"


#line 2 "h1.h"


#line 2 "main1.c"
back_in_main

